#include "toolkit/layout.h"

#include <QApplication>
#include <QLabel>
#include <optional>

#include "toolkit/colors.h"
#include "toolkit/controls.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"

namespace giornaro::toolkit {
namespace {

std::optional<QColor> qt_colour(Colour colour) {
  switch (colour.kind) {
    case Colour::Kind::none:
      return std::nullopt;
    case Colour::Kind::bgr:
      return from_bgr(colour.value);
    case Colour::Kind::highlight:
      return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    case Colour::Kind::highlighted_text:
      return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
  }
  return std::nullopt;
}

}  // namespace

QWidget* make_control(QWidget* parent, const ControlRow& row) {
  using Part = ControlRow::Part;
  const QString name = QString::fromUtf8(row.name);
  const QString caption = row.caption ? QString::fromUtf8(row.caption) : QString();
  const QColor text = qt_colour(row.text).value_or(Qt::black);
  auto font = [&row] { return layout_font(row.family, row.points, row.bold); };
  auto look = [&] {
    return LabelLook{font(), text, qt_colour(row.back), row.align, row.word_wrap};
  };
  switch (row.part) {
    case Part::label:
      return add_label(parent, name, caption, row.rect, look());
    case Part::text: {
      auto* label = new QLabel(caption, parent);
      label->setObjectName(name);
      apply_look(label, look());
      place_twips(label, row.rect);
      return label;
    }
    case Part::button:
      return add_button(parent, name, caption, row.rect, look());
    case Part::shape:
    case Part::rounded_shape: {
      const auto kind =
          row.part == Part::shape ? Shape::Kind::Rectangle : Shape::Kind::RoundedRectangle;
      const std::optional<unsigned> fill = row.back.kind == Colour::Kind::bgr
                                               ? std::optional<unsigned>(row.back.value)
                                               : std::nullopt;
      return add_shape(parent, name, row.rect, fill, kind);
    }
    case Part::rounded_backing: {
      Shape* shape = add_shape(parent, name, row.rect, std::nullopt, Shape::Kind::RoundedRectangle);
      if (const auto back = qt_colour(row.back)) shape->setBackColor(*back);
      return shape;
    }
    case Part::picture: {
      auto* picture = new Picture(parent);
      picture->setObjectName(name);
      place_twips(picture, row.rect);
      return picture;
    }
    case Part::list: {
      auto* list = new ListBox(ListBox::Mode::FlagsFromCode, parent);
      list->setObjectName(name);
      list->setFont(font());
      list->setColours(qt_colour(row.back).value_or(Qt::white), text);
      place_twips(list, row.rect);
      return list;
    }
  }
  return nullptr;
}

}  // namespace giornaro::toolkit
