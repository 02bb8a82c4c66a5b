// The fonts the window layouts name, served by the fonts of this system:
// Arial by Liberation Sans (metric-compatible), Arial Black by Liberation
// Sans in its heaviest weight when the real face is missing, MS Sans Serif by
// the system's sans-serif face, Courier New by Liberation Mono.
#pragma once

#include <QFont>

namespace giornaro::toolkit {

enum class FontFamily { Arial, ArialBlack, MsSansSerif, CourierNew };

// A font of `points` (fractional sizes such as 8.25 and 14.25 are kept).
QFont layout_font(FontFamily family, double points, bool bold = false);

}  // namespace giornaro::toolkit
