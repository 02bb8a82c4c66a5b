// Plain labels as the window layouts describe them: font, text colour, an
// opaque back colour or a transparent back, horizontal alignment. Text sits
// at the top of the label and wraps at word boundaries.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <optional>

namespace giornaro::toolkit {

struct LabelLook {
  QFont font;
  QColor text = Qt::black;
  std::optional<QColor> back;  // none: transparent
  Qt::Alignment align = Qt::AlignLeft;
  bool word_wrap = true;  // long captions break at blanks; lines below the label are cut
};

// Applies the look to `label`.
void apply_look(QLabel* label, const LabelLook& look);

// Sets a one-line caption in `font`, made smaller in half-point steps (down
// to `min_points`) while it is wider than the label.
void set_fitted_caption(QLabel* label, const QString& caption, const QFont& font,
                        double min_points);

void set_text_colour(QLabel* label, const QColor& colour);
QColor text_colour(const QLabel* label);

}  // namespace giornaro::toolkit
