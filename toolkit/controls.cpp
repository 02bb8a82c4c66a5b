#include "toolkit/controls.h"

namespace giornaro::toolkit {

QLabel* add_label(QWidget* parent, const QString& name, const QString& caption, TwipsRect rect,
                  const LabelLook& look) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  apply_look(label, look);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  place_twips(label, rect);
  return label;
}

LabelButton* add_button(QWidget* parent, const QString& name, const QString& caption,
                        TwipsRect rect, const LabelLook& look) {
  auto* button = new LabelButton(caption, parent);
  button->setObjectName(name);
  apply_look(button, look);
  place_twips(button, rect);
  return button;
}

}  // namespace giornaro::toolkit
