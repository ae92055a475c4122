#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Splits a display name into glyph codes, one per drawn character, in name order. A byte
// below 0x80 is a narrow glyph, written as its decimal value ("65" for A); a run of bytes
// of 0x80 and above is a wide glyph, written as "u\" and the run's decoded value in
// lowercase hex ("u\3042"). Any byte sequence gives codes: malformed UTF-8 is decoded by
// the run's length, never rejected.
//
// A splitter serves one name: its output keeps growing across calls.
class GlyphCodeSplitter {
public:
    // Codes a caller does not want, dropped as they are made, before the limit counts them.
    using CodeFilter = bool (*)(std::string_view code);

    std::vector<std::string> split(std::string name) &;
    // A temporary splitter hands its codes over rather than copying them.
    std::vector<std::string> split(std::string name) &&;

    // The first `limit` codes of the name that `drop` (if given) keeps. Reading stops once
    // they are made, so a name costs no more than its limit, however long it is.
    std::vector<std::string> splitFirst(std::string_view name, std::size_t limit,
                                        CodeFilter drop = nullptr) &&;

private:
    void gather(std::string_view name, std::size_t limit, CodeFilter drop);
    void emit(std::string_view code, CodeFilter drop);
    void flush(CodeFilter drop);

    std::vector<std::string> output;
    // The first bytes of the current run: a longer run has no value, so only its length is
    // kept beyond them.
    std::array<char, 4> pending{};
    std::size_t pendingLength = 0;
};

inline constexpr char kWideGlyphPrefix[] = "u\\";
