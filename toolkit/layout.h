// Window layouts as constant tables: one row per control (its kind, object
// name, caption, place in twips, font and colours), made in one loop.
#pragma once

#include <QString>
#include <QWidget>

#include "toolkit/fonts.h"
#include "toolkit/twips.h"

namespace giornaro::toolkit {

// A colour of a layout: an &HBBGGRR value or a colour of the system palette.
struct Colour {
  enum class Kind { none, bgr, highlight, highlighted_text };
  Kind kind = Kind::none;
  unsigned value = 0;
};
constexpr Colour bgr(unsigned value) {
  return {Colour::Kind::bgr, value};
}
inline constexpr Colour kNoColour{};
inline constexpr Colour kBlack = bgr(0x000000);
inline constexpr Colour kWhite = bgr(0xFFFFFF);
inline constexpr Colour kHighlight{Colour::Kind::highlight, 0};
inline constexpr Colour kHighlightedText{Colour::Kind::highlighted_text, 0};

struct ControlRow {
  enum class Part {
    label,            // shows text; clicks pass through
    text,             // shows text and takes the clicks on it
    button,           // a label serving as a button
    shape,            // a rectangle filled with `back`
    rounded_shape,    // a rounded rectangle filled with `back`
    rounded_backing,  // a rounded rectangle whose back colour is `back`
    picture,          // a picture
    list,             // a list with title marks from the core; `text` on `back`
  };
  Part part;
  const char* name;
  const char* caption;  // none: empty
  TwipsRect rect;
  FontFamily family;
  double points;  // 0 for controls without text
  bool bold;
  Colour text;
  Colour back;
  Qt::Alignment align;
  bool word_wrap;
};

// The control of `row`, a child of `parent`.
QWidget* make_control(QWidget* parent, const ControlRow& row);

}  // namespace giornaro::toolkit
