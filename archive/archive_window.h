// The archive editor window `NewDate` ("Archivio"): lists every record of
// NewData.txt in date order, searches the records of one day and month, adds
// and deletes records. It copies the lists and counters of an ArchiveEditor
// (archive/editor.h) into its controls and hands it the texts of its fields.
// Controls carry the object names of the layout, so tests drive the window by
// name.
//
// The window is created anew for every opening and deletes itself when
// closed, by "Fine" or by the window manager; closed() then tells the owner,
// which reads its day lists again and shows itself.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "archive/editor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace giornaro::toolkit {
class LabelButton;
class ListBox;
}  // namespace giornaro::toolkit

namespace giornaro::archive {

class ArchiveWindow : public QWidget {
  Q_OBJECT

 public:
  // Run after "Errore Grave" when the archive cannot be loaded; ends the
  // whole program unless a test puts something else in its place.
  using EndProgram = std::function<void()>;

  // Loads the archive of `folder` into a new window kept on top, centred on
  // `owner` (on the screen without one). The window is not shown yet.
  explicit ArchiveWindow(const std::filesystem::path& folder, QWidget* owner = nullptr,
                         EndProgram endProgram = {});

  // Creates, places and shows a window that deletes itself when closed.
  static ArchiveWindow* open(const std::filesystem::path& folder, QWidget* owner);

  const ArchiveEditor& editor() const { return editor_; }

 signals:
  // The window has been closed; it is deleted soon after.
  void closed();
  // The window sounded the beep of refused input.
  void beeped();

 public slots:
  // One tick of `Timer1`: "Inserisci" and "Cancella" look available when the
  // date, the category and the text are all filled in.
  void timer1Tick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildDecoration();
  void buildControls();
  void load();

  void showLists();
  void refuse(QWidget* focus);
  void fatalLoadFailure(const LoadFailure& failure);

  void list1Clicked(int row);
  void text3Changed();
  void insertRecord();
  void deleteRecord();
  void search();
  void resetSearch();
  void label4Hover();
  void label5Hover();
  void label2Hover();
  void label2Plain();

  ArchiveEditor editor_;
  // "Inserisci" and "Cancella" work: Timer1 found the date, the category and
  // the text filled in (the buttons then show their plain colour).
  bool editable_ = false;
  QPointer<QWidget> owner_;
  EndProgram endProgram_;

  toolkit::ListBox* list1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QComboBox* tipo_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPlainTextEdit* text2_ = nullptr;
  QLabel* rec_ = nullptr;
  QLabel* fin_ = nullptr;
  toolkit::LabelButton* label4_ = nullptr;
  toolkit::LabelButton* label5_ = nullptr;
  toolkit::LabelButton* label2_ = nullptr;
  QTimer* timer1_ = nullptr;
};

}  // namespace giornaro::archive
