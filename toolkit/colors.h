// Colours written as &HBBGGRR values, and twips, turned into Qt values.
#pragma once

#include <QColor>

namespace giornaro::toolkit {

// &HBBGGRR (blue, green, red bytes) to a Qt colour.
inline QColor from_bgr(unsigned bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace giornaro::toolkit
