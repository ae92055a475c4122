#include "jis_kanji.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "tool_error.h"

namespace {

constexpr int kFirstKanjiRow = 16;  // level 1 starts here
constexpr int kLastKanjiRow = 84;   // level 2 ends here
constexpr int kCellsPerRow = 94;
constexpr unsigned char kEucOffset = 0xA0;

class Converter {
public:
    Converter() : handle(iconv_open("UTF-32LE", "EUC-JP")) {
        if (handle == reinterpret_cast<iconv_t>(-1)) {
            throw ToolError(std::string("iconv cannot convert from EUC-JP: ") + std::strerror(errno));
        }
    }
    ~Converter() { iconv_close(handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // One two-byte EUC-JP character; nothing for a cell JIS leaves empty.
    std::optional<CodePoint> convert(unsigned char high, unsigned char low) {
        std::array<char, 2> in{static_cast<char>(high), static_cast<char>(low)};
        std::array<unsigned char, 8> out{};
        char* inPtr = in.data();
        auto* outPtr = reinterpret_cast<char*>(out.data());
        std::size_t inLeft = in.size();
        std::size_t outLeft = out.size();
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (out.size() - outLeft != 4) return std::nullopt;
        return static_cast<CodePoint>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
    }

private:
    iconv_t handle;
};

}  // namespace

std::vector<CodePoint> jisX0208Kanji() {
    Converter converter;
    std::vector<CodePoint> kanji;
    for (int row = kFirstKanjiRow; row <= kLastKanjiRow; ++row) {
        for (int cell = 1; cell <= kCellsPerRow; ++cell) {
            auto cp = converter.convert(static_cast<unsigned char>(kEucOffset + row),
                                        static_cast<unsigned char>(kEucOffset + cell));
            if (cp) kanji.push_back(*cp);
        }
    }
    return kanji;
}
