// A filled shape drawn behind other controls: a rectangle or a rounded
// rectangle with a back colour, a fill colour painted over it, and an
// optional border. Either colour can be left out (transparent). Mouse events
// pass through to whatever lies behind.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace giornaro::toolkit {

class Shape : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

 public:
  enum class Kind { Rectangle, RoundedRectangle };

  explicit Shape(Kind kind, QWidget* parent = nullptr);

  Kind kind() const { return kind_; }

  // The fill colour; an invalid QColor when the shape has no fill.
  QColor fillColor() const { return fill_.value_or(QColor()); }
  void setFillColor(const QColor& colour);
  void clearFill();

  // The back colour; an invalid QColor when the back is transparent.
  QColor backColor() const { return back_.value_or(QColor()); }
  void setBackColor(const QColor& colour);

  // A one-pixel border; none by default.
  void setBorderColor(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  std::optional<QColor> back_;
  std::optional<QColor> fill_;
  std::optional<QColor> border_;
};

}  // namespace giornaro::toolkit
