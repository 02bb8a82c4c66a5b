// Creating the named controls of a window: a label or a label-button with its
// look, placed in twips. Tests and handlers find controls by these names.
#pragma once

#include <QLabel>
#include <QString>
#include <optional>
#include <string_view>

#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

namespace giornaro::toolkit {

// A label that shows text only; clicks pass through it to what lies behind.
QLabel* add_label(QWidget* parent, const QString& name, const QString& caption, TwipsRect rect,
                  const LabelLook& look);

// A label serving as a button.
LabelButton* add_button(QWidget* parent, const QString& name, const QString& caption,
                        TwipsRect rect, const LabelLook& look);

// A shape filled with &HBBGGRR `fill_bgr`; without one it has no fill until
// the window gives it one.
Shape* add_shape(QWidget* parent, const QString& name, TwipsRect rect,
                 std::optional<unsigned> fill_bgr = std::nullopt,
                 Shape::Kind kind = Shape::Kind::Rectangle);

// A UTF-8 text of the core as a caption.
QString qt_text(std::string_view text);

}  // namespace giornaro::toolkit
