// The main window `Form1`: the day sheet on screen. It copies a DaySheet the
// core computed into its controls and wires the buttons: the list switch
// (`Label11`), the list clicks, "MOD." (`Label17`), "ESCI" (`Label13`), the
// place panel opened from `zona`, the hover colours and the intro banner
// ticked by `Timer1`. Controls carry the object names of the layout, so tests
// and the archive editor find them by name.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "app/banner.h"
#include "app/day_sheet.h"

class QLabel;
class QTimer;

namespace giornaro::toolkit {
class LabelButton;
class ListBox;
class Picture;
class Shape;
}  // namespace giornaro::toolkit

namespace giornaro::place {
class PlacePanel;
}

namespace giornaro::app {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The controls made from the layout table, front to back.
  enum class Control {
    Label17,
    Shape19,
    Label13,
    Shape13,
    meseT,
    giorno,
    settimana,
    Label2,
    santo,
    Label5,
    zona,
    Shape14,
    Label4,
    sorge,
    Label6,
    tramonta,
    Label7,
    Label8,
    statoT,
    Label10,
    eta,
    LunaIMG,
    Label11,
    Shape11,
    Label9,
    Shape12,
    List1,
    List2,
    Label12,
    numero,
    Shape16,
  };
  static constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Shape16) + 1;

  explicit MainWindow(DaySheet sheet, QWidget* parent = nullptr);

  const DaySheet& sheet() const { return sheet_; }

  // What "MOD." runs after hiding the window: opens the archive editor, which
  // calls returnFromArchiveEditor() when it closes. Without one the window
  // shows again at once.
  using ArchiveEditorOpener = std::function<void(MainWindow&)>;
  void setArchiveEditorOpener(ArchiveEditorOpener opener);

  // For the archive editor's close: reads the day lists again, shows them,
  // and shows the window. A failure to read them is reported in a message
  // box; the lists then show what was read.
  void returnFromArchiveEditor();

  // Shows the failures of start-up, if any, in one critical message box.
  void reportStartErrors();

 public slots:
  // One tick of `Timer1`: the next banner line, and the button shapes back
  // to their own colours.
  void timer1Tick();

 private:
  void buildDecoration();
  void buildControls();
  void stackControls();
  template <typename T>
  T* control(Control id) const;
  toolkit::Shape* backingShape(std::string_view name) const;
  void showSheet();
  void showPlace();
  void showDayLists();
  void showMoonPicture();
  void restoreButtonShapes();

  void switchLists();
  void list1Clicked();
  void list2Clicked();
  void openArchiveEditor();
  void openPlacePanel();
  void confirmPlace(const std::string& picked);

  DaySheet sheet_;
  Banner banner_;
  bool showingBirths_ = false;
  bool placesListed_ = false;
  ArchiveEditorOpener archiveEditorOpener_;

  QTimer* timer1_ = nullptr;
  std::array<QWidget*, kControlCount> controls_{};
  toolkit::Shape* shape1_ = nullptr;
  toolkit::LabelButton* label17_ = nullptr;
  toolkit::Shape* shape19_ = nullptr;
  toolkit::LabelButton* label13_ = nullptr;
  toolkit::Shape* shape13_ = nullptr;
  QLabel* meseT_ = nullptr;
  QLabel* giorno_ = nullptr;
  QLabel* settimana_ = nullptr;
  QLabel* santo_ = nullptr;
  toolkit::LabelButton* zona_ = nullptr;
  toolkit::Shape* shape14_ = nullptr;
  QLabel* sorge_ = nullptr;
  QLabel* tramonta_ = nullptr;
  QLabel* statoT_ = nullptr;
  QLabel* eta_ = nullptr;
  toolkit::Picture* lunaIMG_ = nullptr;
  toolkit::LabelButton* label11_ = nullptr;
  toolkit::Shape* shape11_ = nullptr;
  QLabel* label9_ = nullptr;
  toolkit::ListBox* list1_ = nullptr;
  toolkit::ListBox* list2_ = nullptr;
  QLabel* label12_ = nullptr;
  QLabel* canno_ = nullptr;
  place::PlacePanel* sceltac_ = nullptr;

  // The decoration behind the controls, front to back.
  std::vector<QWidget*> back_;
  // The shapes a tick restores, in the order of backing_shapes().
  std::vector<toolkit::Shape*> backingShapes_;
};

// The opener that "MOD." runs in the program: the archive editor `NewDate`
// over the sheet's folder, centred on `owner`; when it closes, the owner reads
// its day lists again and shows itself.
void open_archive_editor(MainWindow& owner);

}  // namespace giornaro::app
