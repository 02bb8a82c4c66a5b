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
  if (kind_ == Kind::Rectangle) {
    if (back_) painter.fillRect(rect(), *back_);
    if (fill_) painter.fillRect(rect(), *fill_);
    if (border_) {
      painter.setPen(*border_);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = corner_radius(area);
  painter.setPen(Qt::NoPen);
  for (const auto& colour : {back_, fill_}) {
    if (!colour) continue;
    painter.setBrush(*colour);
    painter.drawRoundedRect(area, radius, radius);
  }
  if (border_) {
    painter.setPen(*border_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area, radius, radius);
  }
}

}  // namespace giornaro::toolkit
