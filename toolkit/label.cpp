#include "toolkit/label.h"

#include <QFontMetricsF>

namespace giornaro::toolkit {

void apply_look(QLabel* label, const LabelLook& look) {
  label->setFont(look.font);
  label->setAlignment(look.align | Qt::AlignTop);
  label->setWordWrap(look.word_wrap);
  label->setTextFormat(Qt::PlainText);
  label->setContentsMargins(0, 0, 0, 0);
  label->setMargin(0);
  label->setIndent(0);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, look.text);
  if (look.back) palette.setColor(QPalette::Window, *look.back);
  label->setPalette(palette);
  label->setAutoFillBackground(look.back.has_value());
}

void set_fitted_caption(QLabel* label, const QString& caption, const QFont& font,
                        double min_points) {
  QFont fitted = font;
  while (fitted.pointSizeF() - 0.5 >= min_points &&
         QFontMetricsF(fitted).boundingRect(caption).width() + 4 > label->width()) {
    fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
  }
  label->setWordWrap(false);
  label->setFont(fitted);
  label->setText(caption);
}

void set_text_colour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

QColor text_colour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

}  // namespace giornaro::toolkit
