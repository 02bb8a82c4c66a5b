// Creating the named controls of a window: a label or a label-button with its
// look, placed in twips. Tests and handlers find controls by these names.
#pragma once

#include <QLabel>
#include <QString>

#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/twips.h"

namespace giornaro::toolkit {

// A label that shows text only; clicks pass through it to what lies behind.
QLabel* add_label(QWidget* parent, const QString& name, const QString& caption, TwipsRect rect,
                  const LabelLook& look);

// A label serving as a button.
LabelButton* add_button(QWidget* parent, const QString& name, const QString& caption,
                        TwipsRect rect, const LabelLook& look);

}  // namespace giornaro::toolkit
