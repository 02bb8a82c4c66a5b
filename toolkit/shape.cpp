#include "toolkit/shape.h"

#include <QPainter>
#include <algorithm>

namespace giornaro::toolkit {
namespace {

// Corner radius of a rounded rectangle: a sixth of its shorter side.
qreal corner_radius(const QRectF& area) {
  return std::min(area.width(), area.height()) / 6.0;
}

}  // namespace

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor& colour) {
  if (fill_ == colour) return;
  fill_ = colour;
  update();
}

void Shape::clearFill() {
  fill_.reset();
  update();
}

void Shape::setBackColor(const QColor& colour) {
  if (back_ == colour) return;
  back_ = colour;
  update();
}

void Shape::setBorderColor(const QColor& colour) {
  border_ = colour;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, kind_ == Kind::RoundedRectangle);
  const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const auto draw = [&](const QColor& colour) {
    painter.setBrush(colour);
    if (kind_ == Kind::RoundedRectangle) {
      const qreal radius = corner_radius(area);
      painter.drawRoundedRect(area, radius, radius);
    } else {
      painter.drawRect(area);
    }
  };
  painter.setPen(Qt::NoPen);
  if (back_) draw(*back_);
  if (fill_) draw(*fill_);
  if (border_) {
    painter.setPen(QPen(*border_, 1));
    painter.setBrush(Qt::NoBrush);
    if (kind_ == Kind::RoundedRectangle) {
      const qreal radius = corner_radius(area);
      painter.drawRoundedRect(area, radius, radius);
    } else {
      painter.drawRect(area);
    }
  }
}

}  // namespace giornaro::toolkit
