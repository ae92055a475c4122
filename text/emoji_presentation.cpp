#include "emoji_presentation.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// The Emoji_Presentation lines of emoji-data.txt for Unicode 15.0
// (https://www.unicode.org/Public/15.0.0/ucd/emoji/emoji-data.txt), with neighbouring
// ranges joined: 1,205 code points. A later Unicode version only adds ranges.
constexpr std::array kRanges = {
    CodeRange{0x231A, 0x231B},   CodeRange{0x23E9, 0x23EC},
    CodeRange{0x23F0, 0x23F0},   CodeRange{0x23F3, 0x23F3},
    CodeRange{0x25FD, 0x25FE},   CodeRange{0x2614, 0x2615},
    CodeRange{0x2648, 0x2653},   CodeRange{0x267F, 0x267F},
    CodeRange{0x2693, 0x2693},   CodeRange{0x26A1, 0x26A1},
    CodeRange{0x26AA, 0x26AB},   CodeRange{0x26BD, 0x26BE},
    CodeRange{0x26C4, 0x26C5},   CodeRange{0x26CE, 0x26CE},
    CodeRange{0x26D4, 0x26D4},   CodeRange{0x26EA, 0x26EA},
    CodeRange{0x26F2, 0x26F3},   CodeRange{0x26F5, 0x26F5},
    CodeRange{0x26FA, 0x26FA},   CodeRange{0x26FD, 0x26FD},
    CodeRange{0x2705, 0x2705},   CodeRange{0x270A, 0x270B},
    CodeRange{0x2728, 0x2728},   CodeRange{0x274C, 0x274C},
    CodeRange{0x274E, 0x274E},   CodeRange{0x2753, 0x2755},
    CodeRange{0x2757, 0x2757},   CodeRange{0x2795, 0x2797},
    CodeRange{0x27B0, 0x27B0},   CodeRange{0x27BF, 0x27BF},
    CodeRange{0x2B1B, 0x2B1C},   CodeRange{0x2B50, 0x2B50},
    CodeRange{0x2B55, 0x2B55},   CodeRange{0x1F004, 0x1F004},
    CodeRange{0x1F0CF, 0x1F0CF}, CodeRange{0x1F18E, 0x1F18E},
    CodeRange{0x1F191, 0x1F19A}, CodeRange{0x1F1E6, 0x1F1FF},  // regional indicators A-Z
    CodeRange{0x1F201, 0x1F201}, CodeRange{0x1F21A, 0x1F21A},
    CodeRange{0x1F22F, 0x1F22F}, CodeRange{0x1F232, 0x1F236},
    CodeRange{0x1F238, 0x1F23A}, CodeRange{0x1F250, 0x1F251},
    CodeRange{0x1F300, 0x1F320}, CodeRange{0x1F32D, 0x1F335},
    CodeRange{0x1F337, 0x1F37C}, CodeRange{0x1F37E, 0x1F393},
    CodeRange{0x1F3A0, 0x1F3CA}, CodeRange{0x1F3CF, 0x1F3D3},
    CodeRange{0x1F3E0, 0x1F3F0}, CodeRange{0x1F3F4, 0x1F3F4},
    CodeRange{0x1F3F8, 0x1F43E},  // the skin-tone modifiers U+1F3FB-U+1F3FF among them
    CodeRange{0x1F440, 0x1F440}, CodeRange{0x1F442, 0x1F4FC},
    CodeRange{0x1F4FF, 0x1F53D}, CodeRange{0x1F54B, 0x1F54E},
    CodeRange{0x1F550, 0x1F567}, CodeRange{0x1F57A, 0x1F57A},
    CodeRange{0x1F595, 0x1F596}, CodeRange{0x1F5A4, 0x1F5A4},
    CodeRange{0x1F5FB, 0x1F64F}, CodeRange{0x1F680, 0x1F6C5},
    CodeRange{0x1F6CC, 0x1F6CC}, CodeRange{0x1F6D0, 0x1F6D2},
    CodeRange{0x1F6D5, 0x1F6D7}, CodeRange{0x1F6DC, 0x1F6DF},
    CodeRange{0x1F6EB, 0x1F6EC}, CodeRange{0x1F6F4, 0x1F6FC},
    CodeRange{0x1F7E0, 0x1F7EB}, CodeRange{0x1F7F0, 0x1F7F0},
    CodeRange{0x1F90C, 0x1F93A}, CodeRange{0x1F93C, 0x1F945},
    CodeRange{0x1F947, 0x1F9FF}, CodeRange{0x1FA70, 0x1FA7C},
    CodeRange{0x1FA80, 0x1FA88}, CodeRange{0x1FA90, 0x1FABD},
    CodeRange{0x1FABF, 0x1FAC5}, CodeRange{0x1FACE, 0x1FADB},
    CodeRange{0x1FAE0, 0x1FAE8}, CodeRange{0x1FAF0, 0x1FAF8},
};

}  // namespace

std::span<const CodeRange> emojiPresentationRanges() { return kRanges; }

bool isEmojiPresentation(CodePoint cp) {
    auto after =
        std::upper_bound(kRanges.begin(), kRanges.end(), cp,
                         [](CodePoint value, const CodeRange& range) { return value < range.first; });
    return after != kRanges.begin() && cp <= std::prev(after)->last;
}
