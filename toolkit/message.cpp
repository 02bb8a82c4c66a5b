#include "toolkit/message.h"

#include <QApplication>
#include <QMessageBox>

#include "toolkit/ui_resources.h"

namespace giornaro::toolkit {

void beep() {
  QApplication::beep();
}

void critical_message(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.setWindowIcon(window_icon());
  box.exec();
}

}  // namespace giornaro::toolkit
