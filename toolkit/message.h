// The system beep and the critical message box (one OK button, returns when
// the user closes it).
#pragma once

#include <QString>

class QWidget;

namespace giornaro::toolkit {

void beep();

void critical_message(QWidget* parent, const QString& title, const QString& text);

}  // namespace giornaro::toolkit
