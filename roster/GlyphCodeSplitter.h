#pragma once

#include <cstdint>
#include <string>
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
    std::vector<std::string> split(std::string name) &;
    // A temporary splitter hands its codes over rather than copying them.
    std::vector<std::string> split(std::string name) &&;

private:
    void gather(const std::string& name);
    void flush();

    std::vector<std::string> output;
    std::vector<std::int32_t> pending;  // bytes of the current run, sign-widened
    std::int32_t pendingCount = 0;
};

inline constexpr char kWideGlyphPrefix[] = "u\\";
