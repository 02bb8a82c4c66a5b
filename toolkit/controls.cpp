#include "toolkit/controls.h"

#include "toolkit/colors.h"

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

Shape* add_shape(QWidget* parent, const QString& name, TwipsRect rect,
                 std::optional<unsigned> fill_bgr, Shape::Kind kind) {
  auto* shape = new Shape(kind, parent);
  shape->setObjectName(name);
  if (fill_bgr) shape->setFillColor(from_bgr(*fill_bgr));
  place_twips(shape, rect);
  return shape;
}

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace giornaro::toolkit
