// giornaro-archivio: the archive editor window on its own, over NewData.txt in
// the current folder (created empty when missing). Closing it ends the program.
#include <QApplication>
#include <filesystem>

#include "archive/archive_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  giornaro::archive::ArchiveWindow::open(std::filesystem::current_path(), nullptr);
  return application.exec();
}
