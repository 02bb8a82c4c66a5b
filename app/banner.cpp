#include "app/banner.h"

#include <cmath>

namespace giornaro::app {

const std::array<BannerLine, kBannerLineCount>& banner_lines() {
  // clang-format off
  static const std::array<BannerLine, kBannerLineCount> lines = {{
      {0xFFFF,   "Velmarto Presenta..........."},
      {0x0,      "GIORNARO:"},
      {0xFFFFFF, "I Fatti del Giorno,"},
      {0x0,      "I Nati Oggi."},
      {0xFFFFFF, "Il Santo del giorno,"},
      {0x0,      "La Festività del giorno,"},
      {0xFFFFFF, "La Fase Lunare,"},
      {0x0,      "Il Sorgere ed il Tramonto del Sole,"},
      {0xFF,     "...Tutto questo sul tuo PC..."},
  }};
  // clang-format on
  return lines;
}

const std::array<BackingShape, 5>& backing_shapes() {
  // clang-format off
  static const std::array<BackingShape, 5> shapes = {{
      {"Shape13", "Label13", ShapeColour::Fill, 0xFFC0C0},  // ESCI
      {"Shape11", "Label11", ShapeColour::Fill, 0x40C0},    // list switch
      {"Shape14", "zona",    ShapeColour::Fill, 0xC0},      // place
      {"Shape15", "Label15", ShapeColour::Back, 0xC0C0FF},  // OK of the place panel
      {"Shape19", "Label17", ShapeColour::Fill, 0xFFC0C0},  // MOD.
  }};
  // clang-format on
  return shapes;
}

std::optional<BannerLine> Banner::tick() {
  counter_ += 0.1;
  const double k = std::floor(counter_);  // [0, 9]
  if (k >= 0 && k < kBannerLineCount) return banner_lines()[static_cast<std::size_t>(k)];
  counter_ = 0;
  return std::nullopt;
}

}  // namespace giornaro::app
