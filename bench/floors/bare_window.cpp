// The floor of the window: a bare Qt window of the main window's size
// (569 x 441) that quits at its first paint. scripts/compare_speed.sh times
// it against giornaro --time-to-paint.
#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    if (!painted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    painted_ = true;
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.resize(569, 441);
  window.show();
  return application.exec();
}
