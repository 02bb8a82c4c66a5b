#include "toolkit/window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace giornaro::toolkit {

void keep_on_top(QWidget* window) {
  window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void center_on_screen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

void center_on(QWidget* window, const QWidget* owner) {
  if (!owner) {
    center_on_screen(window);
    return;
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(owner->frameGeometry().center());
  window->move(frame.topLeft());
}

void stack_front_to_back(const std::vector<QWidget*>& controls) {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) (*it)->raise();
}

}  // namespace giornaro::toolkit
