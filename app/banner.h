// The intro banner at the foot of the main window: nine lines shown in turn,
// one tick every 500 ms, chosen by the integer part of a counter that grows
// by 0.1 a tick. The same tick puts the shapes behind the label-buttons back
// to their own colours after a mouse-over has changed them.
//
// The counter adds 0.1 in double precision, so its integer part does not
// step on every tenth tick: lines 0 to 8 stay 10, 9, 10, 10, 11, 10, 10, 10
// and 10 ticks, the reset to 0 takes one more tick, and the cycle repeats
// every 91 ticks.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace giornaro::app {

struct BannerLine {
  unsigned colour_bgr;  // text colour, &HBBGGRR
  std::string_view caption;
};

inline constexpr int kBannerLineCount = 9;
inline constexpr int kBannerTickMilliseconds = 500;

// The lines in the order they are shown.
const std::array<BannerLine, kBannerLineCount>& banner_lines();

enum class ShapeColour { Fill, Back };

// A shape behind a label-button and the colour it is given back on a tick.
struct BackingShape {
  std::string_view shape;   // object name
  std::string_view behind;  // the label-button in front of it
  ShapeColour property;
  unsigned colour_bgr;
};

// The shapes a tick restores, in the order it restores them.
const std::array<BackingShape, 5>& backing_shapes();

class Banner {
 public:
  // One tick: the line to show (its colour first, then its caption), or none
  // when the banner keeps what it shows (the tick that resets the counter).
  std::optional<BannerLine> tick();

  double counter() const { return counter_; }

 private:
  double counter_ = 0;
};

}  // namespace giornaro::app
