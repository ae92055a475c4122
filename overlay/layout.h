#pragma once

// Where the names go on screen. All fixed pixels except the scale: only the vertical
// centre (half the screen height) and the cut at the screen's right edge follow the screen.

#include <cstdint>

namespace layout {

inline constexpr std::int32_t kNameStartX = 1500;
inline constexpr std::int32_t kWideAdvance = 42;
inline constexpr std::int32_t kNarrowReduction = 10;
inline constexpr std::int32_t kNarrowAdvance = kWideAdvance - kNarrowReduction;
// A wide glyph after a narrow one (or first in the name) sits this much further left.
inline constexpr std::int32_t kNarrowToWidePull = 10;
// A narrow glyph after a wide one sits this much further right.
inline constexpr std::int32_t kWideToNarrowPush = 5;

inline constexpr double kRowPitch = 57.0;
inline constexpr double kCentreFactor = 0.5;
// The upper block ends this far above the centre: offset d = (b + 2) * 57 - 43, plus 3.
inline constexpr std::int32_t kUpperBlockExtraRows = 2;
inline constexpr double kUpperBlockLift = 43.0;
inline constexpr std::int32_t kUpperBlockNudge = 3;
inline constexpr double kLowerBlockGap = 22.0;

inline constexpr float kDrawScale = 0.5f;
// A name set as text is made at the size it is drawn.
inline constexpr float kNameImageScale = 1.0f;
inline constexpr unsigned char kDrawColour[4] = {255, 255, 255, 255};

// The scaled layout draws the fixed layout of this screen, mapped onto the real one about
// its centre and scaled by the ratio of the heights.
inline constexpr std::int32_t kReferenceWidth = 1920;
inline constexpr std::int32_t kReferenceHeight = 1080;

// The game's scoreboard blocks reach to the reference screen's right edge, framed by this
// much; a name set as text ends this much inside the frame, so an ellipsis never sits on it.
inline constexpr std::int32_t kBlockMargin = 8;
inline constexpr std::int32_t kNameEndPadding = 6;
inline constexpr std::int32_t kNameEndX = kReferenceWidth - kBlockMargin - kNameEndPadding;

// Which of the two the player chose with the console command.
enum class Choice { fixed, scaled };

}  // namespace layout
