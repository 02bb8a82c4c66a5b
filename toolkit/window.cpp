#include "toolkit/window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <iterator>

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

void stack_front_to_back(std::initializer_list<QWidget*> controls) {
  for (auto it = std::rbegin(controls); it != std::rend(controls); ++it) (*it)->raise();
}

}  // namespace giornaro::toolkit
