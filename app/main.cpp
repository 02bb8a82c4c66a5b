// giornaro: the desk almanac. With a display it opens the day sheet window;
// without one, or with --text or --json, it prints the sheet. The unlisted
// --time-to-paint opens the window, reports how long the first paint took
// and quits (scripts/time_to_paint.sh).
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "app/day_sheet.h"
#include "app/headless.h"
#include "app/main_window.h"
#include "runtime/clock.h"
#include "toolkit/ui_resources.h"
#include "toolkit/window.h"

namespace {

constexpr std::string_view kUsage =
    "Uso: giornaro [--text | --json | --help]\n"
    "  senza opzioni  apre il foglio del giorno (in un terminale senza schermo grafico lo stampa)\n"
    "  --text         stampa il foglio del giorno come testo\n"
    "  --json         stampa il foglio del giorno come oggetto JSON\n"
    "  --help         mostra questo aiuto\n"
    "I file luogo.txt, NewData.txt e lune.dat sono letti dalla cartella corrente.\n";

bool has_display() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

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
  const double now_ms = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return now_ms - start_ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
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

int show_window(int& argc, char** argv, bool time_to_paint,
                std::chrono::steady_clock::time_point main_start) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(giornaro::toolkit::window_icon());
  giornaro::app::MainWindow window(giornaro::app::compute_day_sheet(
      giornaro::rt::today_local(), std::filesystem::current_path()));
  FirstPaintTimer first_paint(main_start);
  if (time_to_paint) window.installEventFilter(&first_paint);
  window.setArchiveEditorOpener(giornaro::app::open_archive_editor);
  giornaro::toolkit::center_on_screen(&window);
  window.show();
  if (!time_to_paint) QTimer::singleShot(0, &window, &giornaro::app::MainWindow::reportStartErrors);
  return application.exec();
}

int print_sheet(const giornaro::app::DaySheet& sheet, bool json) {
  if (json) {
    std::cout << giornaro::app::sheet_to_json(sheet).dump(2) << "\n";
  } else {
    std::cout << giornaro::app::sheet_to_text(sheet, isatty(STDOUT_FILENO) != 0);
  }
  for (const auto& error : sheet.errors) std::cerr << "giornaro: " << error << "\n";
  return sheet.errors.empty() ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
  const auto main_start = std::chrono::steady_clock::now();
  enum class Mode { Window, Text, Json } mode = Mode::Window;
  bool time_to_paint = false;
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (argc == 2) {
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--text") {
      mode = Mode::Text;
    } else if (arg == "--json") {
      mode = Mode::Json;
    } else if (arg == "--time-to-paint") {
      time_to_paint = true;
    } else {
      std::cerr << "giornaro: opzione sconosciuta: " << arg << "\n" << kUsage;
      return 2;
    }
  }
  if (mode == Mode::Window && !has_display()) {
    if (time_to_paint) {
      std::cerr << "giornaro: --time-to-paint richiede uno schermo grafico\n";
      return 2;
    }
    mode = Mode::Text;
  }
  if (mode == Mode::Window) {
    int qt_argc = 1;
    return show_window(qt_argc, argv, time_to_paint, main_start);
  }

  const auto sheet = giornaro::app::compute_day_sheet(giornaro::rt::today_local(),
                                                      std::filesystem::current_path());
  return print_sheet(sheet, mode == Mode::Json);
}
