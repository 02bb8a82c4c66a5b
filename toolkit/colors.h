// Colours written as &HBBGGRR values (blue, green and red bytes, the way the
// window definitions give them) turned into Qt colours, and back.
#pragma once

#include <QColor>

namespace giornaro::toolkit {

// &HBBGGRR to a Qt colour; bits above the blue byte are ignored.
inline QColor from_bgr(unsigned bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// A Qt colour as &HBBGGRR (alpha dropped).
inline unsigned to_bgr(const QColor& colour) {
  return static_cast<unsigned>(colour.red()) | (static_cast<unsigned>(colour.green()) << 8) |
         (static_cast<unsigned>(colour.blue()) << 16);
}

}  // namespace giornaro::toolkit
