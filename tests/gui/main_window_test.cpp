#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "place/place_table.h"
#include "sky/sun.h"
#include "tests/support/store.h"
#include "tests/support/temp_folder.h"
#include "toolkit/colors.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;
using test_support::file_bytes;
using test_support::TempFolder;
using toolkit::to_bgr;

constexpr year_month_day kDay{year{2026}, April, day{6}};

// A main window over a sheet computed in a fresh folder, shown, with its
// timer stopped so that the tests tick it themselves.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { test_support::put_store(folder_); }

  void open(DaySheet sheet) {
    window_ = std::make_unique<MainWindow>(std::move(sheet));
    timer()->stop();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void open() { open(computed()); }
  DaySheet computed() { return compute_day_sheet(kDay, folder_.path()); }

  template <typename T = QWidget>
  T* control(const char* name) const {
    T* found = window_->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString caption(const char* name) const { return control<QLabel>(name)->text(); }
  QTimer* timer() const { return window_->findChild<QTimer*>(QStringLiteral("Timer1")); }

  void click(const char* button) {
    auto* label = control<toolkit::LabelButton>(button);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
  }
  void hover(const char* button) {
    auto* label = control<toolkit::LabelButton>(button);
    QTest::mouseMove(label, label->rect().center());
    QTest::mouseMove(label, label->rect().center() + QPoint(1, 0));
  }
  void clickRow(const char* list_name, int row) {
    auto* list = control<toolkit::ListBox>(list_name);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  int rowOf(const char* list_name, const std::string& text) {
    auto* list = control<toolkit::ListBox>(list_name);
    const auto found = list->findItems(QString::fromStdString(text), Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.front());
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

// Title lines flagged as the core marks them, body and separator lines not.
const ListRows kFacts = {
    {"1492 - AVVENIMENTI (534 ANNI AD OGGI)  (Venerdì)", true},
    {"Un fatto.", false},
    {std::string(106, '-'), false},
    {"1990 - NOZZE       (36 ANNI AD OGGI)  (Venerdì)", true},
    {"Festa", false},
    {std::string(106, '-'), false},
};
const ListRows kBirths = {
    {"1901 - Enrico Fermi (Sabato)", true}, {"fisico", false},
    {std::string(106, '-'), false},         {"1452 - Leonardo (Sabato)", true},
    {std::string(106, '-'), false},
};

TEST_F(MainWindowTest, WindowOpensAsLaidOut) {
  open();
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Form1"));
  EXPECT_TRUE(window_->windowFlags() & Qt::WindowStaysOnTopHint);
  const double dpi = window_->logicalDpiY();
  EXPECT_NEAR(window_->width(), 8535 * dpi / 1440, 1);
  EXPECT_NEAR(window_->height(), 6615 * dpi / 1440, 1);
  EXPECT_EQ(window_->findChildren<QLabel*>(QStringLiteral("Label3")).size(), 13);
  EXPECT_EQ(window_->findChildren<QLabel*>(QStringLiteral("Label16")).size(), 2);
  EXPECT_EQ(caption("età"), QStringLiteral("18 giorni"));
  EXPECT_EQ(caption("settimana"), QString::fromUtf8("Lunedì"));
  EXPECT_EQ(caption("zona"), QStringLiteral("ROMA"));
  EXPECT_EQ(caption("CANNO"), QStringLiteral("06/04"));
  EXPECT_EQ(caption("Label12"), QString());  // the banner starts on the first tick
  EXPECT_TRUE(control("sceltac")->isHidden());
}

// The colours as painted: the layout's &HBBGGRR values must reach the screen
// with red and blue in their places.
TEST_F(MainWindowTest, PaintsTheLayoutsColours) {
  open();
  const QImage shot = window_->grab().toImage();
  const double dpi = window_->logicalDpiY();
  struct Case {
    const char* what;
    int left_twips, top_twips;  // a point of plain background
    QColor colour;
  } cases[] = {
      {"blue title bar (Shape2, &HFF0000)", 3000, 30, QColor(0, 0, 255)},
      {"dark red band of Label2 (&HC0)", 150, 2060, QColor(192, 0, 0)},
      {"red band of Label5 (&HFF)", 150, 3140, QColor(255, 0, 0)},
      {"light cyan back of santo (&HFFFFC0)", 270, 2990, QColor(192, 255, 255)},
      {"blue back of meseT (&HFF0000)", 150, 620, QColor(0, 0, 255)},
      {"pink back of settimana (&H8080FF)", 150, 1700, QColor(255, 128, 128)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QPoint at(toolkit::twips_to_pixels(c.left_twips, dpi),
                    toolkit::twips_to_pixels(c.top_twips, dpi));
    EXPECT_EQ(shot.pixelColor(at * window_->devicePixelRatio()), c.colour);
  }
}

TEST_F(MainWindowTest, LabelButtonsLieInFrontOfTheirShapes) {
  open();
  for (const char* name : {"Label17", "Label13", "zona", "Label11"}) {
    SCOPED_TRACE(name);
    QWidget* button = control(name);
    EXPECT_EQ(window_->childAt(button->geometry().center()), button);
  }
  click("zona");
  QWidget* panel = control("sceltac");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(panel->isAncestorOf(window_->childAt(panel->geometry().center())));
}

TEST_F(MainWindowTest, ListSwitchTwiceBringsBackTheStart) {
  open();
  struct Step {
    QString label11, label9;
    bool facts_shown;
  } steps[] = {
      {QStringLiteral("I Nati Oggi"), QStringLiteral(" I Fatti del Giorno"), true},
      {QStringLiteral("I Fatti del Giorno"), QStringLiteral(" I Nati Oggi"), false},
      {QStringLiteral("I Nati Oggi"), QStringLiteral(" I Fatti del Giorno"), true},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE("after " + std::to_string(i) + " clicks");
    if (i > 0) click("Label11");
    EXPECT_EQ(caption("Label11"), steps[i].label11);
    EXPECT_EQ(caption("Label9"), steps[i].label9);
    EXPECT_EQ(control("List1")->isVisible(), steps[i].facts_shown);
    EXPECT_EQ(control("List2")->isVisible(), !steps[i].facts_shown);
  }
}

TEST_F(MainWindowTest, ListClicksKeepTheTitleMarksAndGoBackToTheFirstRow) {
  DaySheet sheet = computed();
  sheet.List1 = kFacts;
  sheet.List2 = kBirths;
  open(sheet);
  struct Case {
    const char* list;
    const ListRows* rows;
    int clicked;
  } cases[] = {
      {"List1", &kFacts, 1},  // a body line
      {"List1", &kFacts, 3},  // a title line
      {"List1", &kFacts, 0}, {"List2", &kBirths, 2}, {"List2", &kBirths, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " row " + std::to_string(c.clicked));
    auto* list = control<toolkit::ListBox>(c.list);
    if (!list->isVisible()) click("Label11");
    EXPECT_EQ(list->currentRow(), 0);
    clickRow(c.list, c.clicked);
    EXPECT_EQ(list->currentRow(), 0);
    ASSERT_EQ(list->count(), static_cast<int>(c.rows->size()));
    for (int i = 0; i < list->count(); ++i) {
      EXPECT_EQ(list->rowSelected(i), (*c.rows)[static_cast<std::size_t>(i)].selected) << i;
    }
  }
}

TEST_F(MainWindowTest, ConfirmingAPlaceWritesItAndChangesOnlyTheSun) {
  struct Case {
    std::string place;
    std::string file;
    QString lsel;
  } cases[] = {
      {"MILANO", "MILANO\r\n", QStringLiteral("MILANO")},
      {"FORLI'", "FORLI'\r\n", QStringLiteral("FORLI'")},
      {"FORLÌ", "FORL\xCC\r\n", QString::fromUtf8("FORLÌ")},
      {"REGGIO NELL'EMILIA", "REGGIO NELL'EMILIA\r\n", QStringLiteral("REGGIO NELL.")},
  };
  const char* unchanged[] = {"giorno", "meseT", "settimana", "santo", "statoT", "età", "CANNO"};
  QString saved = QStringLiteral("ROMA");  // no luogo.txt yet
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    open();  // each start opens on the place confirmed before
    std::vector<QString> before;
    for (const char* name : unchanged) before.push_back(caption(name));

    EXPECT_EQ(caption("zona"), saved);
    click("zona");
    EXPECT_EQ(caption("Lsel"), saved);  // opening picks the current place
    clickRow("luogo2", rowOf("luogo2", c.place));
    EXPECT_EQ(caption("Lsel"), c.lsel);
    click("Label15");
    saved = QString::fromStdString(c.place);

    EXPECT_TRUE(control("sceltac")->isHidden());
    EXPECT_EQ(file_bytes(folder_.path() / "luogo.txt"), c.file);
    EXPECT_EQ(caption("zona"), QString::fromStdString(c.place));
    const auto row = place::find_place(c.place);
    ASSERT_TRUE(row);
    const auto sun = sky::Sun(6, 4, 2026, place::places()[static_cast<std::size_t>(*row)].code);
    EXPECT_EQ(caption("sorge"), QString::fromStdString(sun.sorge));
    EXPECT_EQ(caption("tramonta"), QString::fromStdString(sun.tramonta));
    for (std::size_t i = 0; i < std::size(unchanged); ++i) {
      EXPECT_EQ(caption(unchanged[i]), before[i]) << unchanged[i];
    }
  }
}

TEST_F(MainWindowTest, PickedNamesAreShortenedFromTwelveCharacters) {
  open();
  click("zona");
  struct Case {
    std::string place;
    QString lsel;
  } cases[] = {
      {"ALESSANDRIA", QStringLiteral("ALESSANDRIA")},     // 11 characters: whole
      {"CALTANISETTA", QStringLiteral("CALTANISETT.")},   // 12
      {"VIBO VALENTIA", QStringLiteral("VIBO VALENT.")},  // 13
      {"FORLÌ", QString::fromUtf8("FORLÌ")},
  };
  auto* list = control<toolkit::ListBox>("luogo2");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    clickRow("luogo2", rowOf("luogo2", c.place));
    EXPECT_EQ(caption("Lsel"), c.lsel);
    // The click never leaves a row marked alone: the stripes come back.
    ASSERT_EQ(list->count(), place::kPlaceCount);
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->rowSelected(i), i % 2 == 0) << i;
  }
}

TEST_F(MainWindowTest, OkRightAfterOpeningRewritesTheCurrentPlace) {
  open();
  click("zona");
  click("Label15");
  EXPECT_EQ(file_bytes(folder_.path() / "luogo.txt"), "ROMA\r\n");
  EXPECT_EQ(caption("zona"), QStringLiteral("ROMA"));
  EXPECT_TRUE(control("sceltac")->isHidden());
}

TEST_F(MainWindowTest, OkWithNothingPickedKeepsThePlaceAndCloses) {
  DaySheet sheet = computed();
  sheet.zona = "";  // a sheet whose place is no row of the list: opening picks nothing
  open(sheet);
  click("zona");
  EXPECT_EQ(caption("Lsel"), QStringLiteral("ROMA"));  // the panel's first caption
  click("Label15");
  EXPECT_TRUE(control("sceltac")->isHidden());
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "luogo.txt"));
  EXPECT_EQ(caption("zona"), QString());
}

TEST_F(MainWindowTest, BannerCyclesEveryNinetyOneTicks) {
  open();
  struct Case {
    int tick;
    QString caption;
    unsigned colour_bgr;
  } cases[] = {
      {1, QStringLiteral("Velmarto Presenta..........."), 0xFFFF},
      {10, QStringLiteral("Velmarto Presenta..........."), 0xFFFF},
      {11, QStringLiteral("GIORNARO:"), 0x0},
      {20, QStringLiteral("I Fatti del Giorno,"), 0xFFFFFF},
      {50, QStringLiteral("Il Santo del giorno,"), 0xFFFFFF},  // line 4 stays 11 ticks
      {51, QString::fromUtf8("La Festività del giorno,"), 0x0},
      {90, QStringLiteral("...Tutto questo sul tuo PC..."), 0xFF},
      {91, QStringLiteral("...Tutto questo sul tuo PC..."), 0xFF},  // the reset tick
      {92, QStringLiteral("Velmarto Presenta..........."), 0xFFFF},
      {182, QStringLiteral("...Tutto questo sul tuo PC..."), 0xFF},
      {183, QStringLiteral("Velmarto Presenta..........."), 0xFFFF},
  };
  auto* label12 = control<QLabel>("Label12");
  int ticks = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE("tick " + std::to_string(c.tick));
    while (ticks < c.tick) {
      window_->timer1Tick();
      ++ticks;
    }
    EXPECT_EQ(label12->text(), c.caption);
    EXPECT_EQ(to_bgr(toolkit::text_colour(label12)), c.colour_bgr);
  }
}

TEST_F(MainWindowTest, HoverColoursLastUntilTheNextTick) {
  open();
  click("zona");  // Label15 is on the place panel
  struct Case {
    const char* button;
    const char* shape;
    bool back;  // the back colour changes, not the fill
    unsigned hover_bgr, own_bgr;
  } cases[] = {
      {"Label11", "Shape11", false, 0xFF, 0x40C0},
      {"Label13", "Shape13", false, 0xFFFF, 0xFFC0C0},
      {"Label17", "Shape19", false, 0xFFFF, 0xFFC0C0},
      {"zona", "Shape14", false, 0xFF, 0xC0},
      {"Label15", "Shape15", true, 0xFF, 0xC0C0FF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    auto* shape = control<toolkit::Shape>(c.shape);
    const auto colour = [&] { return to_bgr(c.back ? shape->backColor() : shape->fillColor()); };
    EXPECT_EQ(colour(), c.own_bgr);
    hover(c.button);
    EXPECT_EQ(colour(), c.hover_bgr);
    window_->timer1Tick();
    EXPECT_EQ(colour(), c.own_bgr);
  }
}

TEST_F(MainWindowTest, ModificaHidesTheWindowUntilTheEditorReturns) {
  open();
  click("Label17");  // no editor yet: the window comes straight back
  EXPECT_TRUE(window_->isVisible());

  bool visible_in_editor = true;
  MainWindow* editor_caller = nullptr;
  window_->setArchiveEditorOpener([&](MainWindow& caller) {
    visible_in_editor = caller.isVisible();
    editor_caller = &caller;
  });
  click("Label17");
  EXPECT_FALSE(visible_in_editor);
  EXPECT_EQ(editor_caller, window_.get());
  EXPECT_FALSE(window_->isVisible());
  window_->returnFromArchiveEditor();
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, EsciClosesTheWindow) {
  open();
  click("Label13");
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, MoonPictureMissingLeavesTheImageEmpty) {
  struct Case {
    std::optional<int> picture;
  } cases[] = {{std::nullopt}, {999}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture.value_or(0));
    DaySheet sheet = computed();
    sheet.LunaIMG = c.picture;
    open(sheet);
    EXPECT_TRUE(control<toolkit::Picture>("LunaIMG")->pixmap().isNull());
  }
}

TEST_F(MainWindowTest, StartFailuresAreShownOnceInACriticalBox) {
  DaySheet sheet = computed();
  sheet.errors = {"Il file lune.dat non si trova.", "Secondo errore."};
  open(sheet);
  QString shown;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      icon = box->icon();
      box->accept();
    }
  });
  window_->reportStartErrors();
  EXPECT_EQ(shown, QStringLiteral("Il file lune.dat non si trova.\nSecondo errore."));
  EXPECT_EQ(icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace giornaro::app
