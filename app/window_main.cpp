// giornaro-finestra: the day sheet window. The command giornaro starts it
// when a window is wanted and a display answers; it takes --cartella and the
// unlisted --time-to-paint, which opens the window, reports how long the
// first paint took and quits (scripts/time_to_paint.sh).
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/day_sheet.h"
#include "app/main_window.h"
#include "runtime/clock.h"
#include "toolkit/ui_resources.h"
#include "toolkit/window.h"

#ifndef GIORNARO_DATA_FROM_EXE
#define GIORNARO_DATA_FROM_EXE "../../share/giornaro"
#endif

namespace {

// Milliseconds since the kernel started this process (10 ms steps), or -1.
double ms_since_process_start() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto end_of_name = content.rfind(')');
  if (end_of_name == std::string::npos) return -1;
  std::istringstream fields(content.substr(end_of_name + 2));
  std::string field;
  // Fields from the third (state) on; the start time is the 22nd.
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  unsigned long long start_ticks = 0;
  if (!(fields >> start_ticks)) return -1;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double now_ms =
      static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
  return now_ms -
         static_cast<double>(start_ticks) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Reports the time from process start to the first paint of the window, then
// quits.
class FirstPaintTimer : public QObject {
 public:
  explicit FirstPaintTimer(std::chrono::steady_clock::time_point main_start)
      : main_start_(main_start) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      const double since_process = ms_since_process_start();
      const double since_main =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - main_start_)
              .count();
      std::cout << "primo disegno: " << since_process << " ms dall'avvio del processo, "
                << since_main << " ms da main()\n";
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::chrono::steady_clock::time_point main_start_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const auto main_start = std::chrono::steady_clock::now();
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = giornaro::app::parse_options(arguments);
  if (!parsed.error.empty()) {
    std::cerr << "giornaro-finestra: " << parsed.error << "\n";
    return 2;
  }
  const auto& options = parsed.options;

  // A folder that cannot be used is reported in the window's message box;
  // the sheet shows what could be computed without it.
  auto folder = giornaro::app::prepare_data_folder(
      giornaro::app::data_folder_inputs(options.folder, GIORNARO_DATA_FROM_EXE));
  if (folder.folder.empty()) folder.folder = "/nonexistent";

  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  QApplication::setWindowIcon(giornaro::toolkit::window_icon());
  auto sheet =
      giornaro::app::compute_day_sheet(giornaro::rt::today_local(), folder.folder, folder.store);
  if (!folder.error.empty()) {
    sheet.errors.insert(sheet.errors.begin(), folder.error);
    std::cerr << "giornaro: " << folder.error << "\n";
  }
  giornaro::app::MainWindow window(std::move(sheet));
  FirstPaintTimer first_paint(main_start);
  if (options.time_to_paint) window.installEventFilter(&first_paint);
  window.setArchiveEditorOpener(giornaro::app::open_archive_editor);
  giornaro::toolkit::center_on_screen(&window);
  window.show();
  if (!options.time_to_paint) {
    QTimer::singleShot(0, &window, &giornaro::app::MainWindow::reportStartErrors);
  }
  return application.exec();
}
