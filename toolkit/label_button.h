// A label that serves as a button: it reports clicks (press and release over
// it with the left button) and every mouse move over it, and shows the
// program's button cursor. Its look is set with apply_look (toolkit/label.h).
#pragma once

#include <QLabel>

namespace giornaro::toolkit {

class LabelButton : public QLabel {
  Q_OBJECT

 public:
  explicit LabelButton(const QString& caption, QWidget* parent = nullptr);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace giornaro::toolkit
