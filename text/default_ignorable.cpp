#include "default_ignorable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// The Default_Ignorable_Code_Point lines of DerivedCoreProperties.txt for Unicode 15.0
// (https://www.unicode.org/Public/15.0.0/ucd/DerivedCoreProperties.txt). HarfBuzz keeps
// its own copy private, and a table this small is not worth another library.
constexpr std::array kRanges = {
    CodeRange{0x00AD, 0x00AD},   CodeRange{0x034F, 0x034F},   CodeRange{0x061C, 0x061C},
    CodeRange{0x115F, 0x1160},   CodeRange{0x17B4, 0x17B5},   CodeRange{0x180B, 0x180F},
    CodeRange{0x200B, 0x200F},   CodeRange{0x202A, 0x202E},   CodeRange{0x2060, 0x206F},
    CodeRange{0x3164, 0x3164},   CodeRange{0xFE00, 0xFE0F},   CodeRange{0xFEFF, 0xFEFF},
    CodeRange{0xFFA0, 0xFFA0},   CodeRange{0xFFF0, 0xFFF8},   CodeRange{0x1BCA0, 0x1BCA3},
    CodeRange{0x1D173, 0x1D17A}, CodeRange{0xE0000, 0xE0FFF},
};

}  // namespace

bool isDefaultIgnorable(CodePoint cp) {
    auto after =
        std::upper_bound(kRanges.begin(), kRanges.end(), cp,
                         [](CodePoint value, const CodeRange& range) { return value < range.first; });
    return after != kRanges.begin() && cp <= std::prev(after)->last;
}
