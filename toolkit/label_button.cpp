#include "toolkit/label_button.h"

#include <QMouseEvent>

#include "toolkit/ui_resources.h"

namespace giornaro::toolkit {

LabelButton::LabelButton(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setMouseTracking(true);
  setCursor(button_cursor());
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  event->accept();
  if (was_pressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void LabelButton::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit mouseMoved();
}

}  // namespace giornaro::toolkit
