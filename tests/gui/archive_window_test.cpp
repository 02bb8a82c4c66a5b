#include "archive/archive_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/main_window.h"
#include "tests/support/store.h"
#include "tests/support/temp_folder.h"
#include "toolkit/colors.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/list_box.h"
#include "toolkit/twips.h"

namespace giornaro::archive {
namespace {

using test_support::file_bytes;
using test_support::put_bytes;
using test_support::TempFolder;
using toolkit::to_bgr;

constexpr unsigned kPlain = 0xFF8080;
constexpr unsigned kUnavailable = 0xC00000;

std::string row(std::string_view date, std::string_view category, std::string_view text) {
  return std::string(date) + "     " + std::string(category) + "     " + std::string(text);
}

// Closes every message box that opens while it lives, counting them.
class MessageBoxCloser {
 public:
  MessageBoxCloser() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        titles_.push_back(box->windowTitle());
        box->close();
      }
    });
    timer_.start();
  }
  const QStringList& titles() const { return titles_; }

 private:
  QTimer timer_;
  QStringList titles_;
};

// An editor over a fresh folder whose archive holds the given bytes, shown
// and active, with its timer stopped so that the tests tick it themselves.
class ArchiveWindowTest : public ::testing::Test {
 protected:
  void open(std::string_view archive_bytes) {
    put_bytes(folder_ / "NewData.txt", archive_bytes);
    openAsItIs();
  }
  void openAsItIs() {
    window_ = new ArchiveWindow(folder_.path(), nullptr, [this] { ++ended_; });
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    beeps_ = std::make_unique<QSignalSpy>(window_.data(), &ArchiveWindow::beeped);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  }
  void TearDown() override { delete window_.data(); }

  template <typename T = QWidget>
  T* control(const char* name) const {
    T* found = window_->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString caption(const char* name) const { return control<QLabel>(name)->text(); }
  unsigned colour(const char* name) const {
    return to_bgr(toolkit::text_colour(control<QLabel>(name)));
  }
  std::string archive() const { return file_bytes(folder_ / "NewData.txt"); }
  int beeps() const { return static_cast<int>(beeps_->count()); }

  QStringList rows() const {
    QStringList texts;
    auto* list = control<toolkit::ListBox>("List1");
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }

  void type(const char* name, const QString& text) {
    QWidget* field = control(name);
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    field->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->clear();
    if (auto* box = qobject_cast<QPlainTextEdit*>(field)) box->clear();
    QTest::keyClicks(field, text);
  }
  void fill(const QString& date, const QString& tipo, const QString& text) {
    type("Text1", date);
    type("Tipo", tipo);
    type("Text2", text);
    window_->timer1Tick();
  }
  void click(const char* name) {
    QWidget* target = control(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  }
  void hover(const char* name) {
    QWidget* target = control(name);
    QTest::mouseMove(target, target->rect().center());
    QTest::mouseMove(target, target->rect().center() + QPoint(1, 0));
  }
  void clickRow(int index) {
    auto* list = control<toolkit::ListBox>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(index)).center());
  }
  bool focused(const char* name) const {
    QWidget* focus = QApplication::focusWidget();
    QWidget* expected = control(name);
    return focus == expected || (focus && expected->isAncestorOf(focus));
  }

  TempFolder folder_;
  QPointer<ArchiveWindow> window_;
  std::unique_ptr<QSignalSpy> beeps_;
  int ended_ = 0;
};

TEST_F(ArchiveWindowTest, LayoutOfTheControls) {
  open("");
  EXPECT_EQ(window_->objectName(), "NewDate");
  EXPECT_EQ(window_->windowTitle(), "Archivio");
  EXPECT_TRUE(window_->windowFlags() & Qt::WindowStaysOnTopHint);
  const double dpi = toolkit::logical_dpi(window_);
  EXPECT_EQ(window_->size(),
            QSize(toolkit::twips_to_pixels(6615, dpi), toolkit::twips_to_pixels(6465, dpi)));
  struct Case {
    const char* name;
    toolkit::TwipsRect rect;
    const char* caption;  // for labels and buttons
  } cases[] = {
      {"Label1", {0, 0, 6735, 375}, "GIORNARO DB"},
      {"List1", {120, 420, 6375, 3345}, nullptr},
      {"Label6", {240, 3950, 495, 255}, "Data:"},
      {"Text1", {720, 3920, 975, 285}, nullptr},
      {"Label7", {1920, 3950, 495, 255}, "Tipo:"},
      {"Tipo", {2400, 3920, 1180, 315}, nullptr},
      {"Label9", {3960, 3960, 735, 255}, "Ricerca:"},
      {"Text3", {4800, 3920, 495, 285}, nullptr},
      {"Command1", {5340, 3920, 495, 315}, "GO"},
      {"Command2", {5880, 3920, 495, 315}, "RST"},
      {"Label8", {240, 4200, 1215, 255}, "Avvenimento:"},
      {"Text2", {240, 4440, 6135, 1095}, nullptr},
      {"Label10", {240, 5535, 1095, 255}, "Tot. Record:"},
      {"Rec", {1440, 5535, 855, 255}, "0"},
      {"Label3", {4320, 5535, 1215, 255}, "Fnd. Record:"},
      {"Fin", {5520, 5535, 855, 255}, "0"},
      {"Shape3", {-1320, 5880, 7935, 615}, nullptr},
      {"Shape4", {5160, 5880, 1455, 615}, nullptr},
      {"Label4", {240, 6000, 1335, 375}, "Inserisci"},
      {"Label5", {3600, 6000, 1335, 375}, "Cancella"},
      {"Label2", {5280, 6000, 1215, 375}, "Fine"},
      {"Label13", {0, 0, 1095, 375}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* widget = control(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), toolkit::twips_to_pixels(c.rect, dpi));
    if (!c.caption) continue;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->text(), c.caption);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_EQ(button->text(), c.caption);
    }
  }
  EXPECT_EQ(control<QLineEdit>("Text1")->maxLength(), 10);
  EXPECT_EQ(control<QLineEdit>("Text3")->maxLength(), 5);
  EXPECT_FALSE(control("Command1")->isEnabled());
  EXPECT_FALSE(control("Command2")->isEnabled());
  auto* tipo = control<QComboBox>("Tipo");
  ASSERT_EQ(tipo->count(), 10);
  EXPECT_EQ(tipo->itemText(0), "Avvenimenti");
  EXPECT_EQ(tipo->itemText(3), "Funerali  ");
  EXPECT_EQ(tipo->itemText(9), "Sport     ");
  EXPECT_TRUE(tipo->isEditable());
  EXPECT_EQ(colour("Label1"), 0x00FFFFu);
}

TEST_F(ArchiveWindowTest, EmptyArchiveDisablesTheSearch) {
  open("");
  EXPECT_EQ(caption("Rec"), "0");
  EXPECT_TRUE(rows().isEmpty());
  EXPECT_FALSE(control("Text3")->isEnabled());
  control<QLineEdit>("Text3")->setText("05/09");
  EXPECT_FALSE(control("Command1")->isEnabled());
  EXPECT_FALSE(control("Command2")->isEnabled());
}

TEST_F(ArchiveWindowTest, MissingArchiveIsCreatedEmpty) {
  openAsItIs();
  EXPECT_TRUE(std::filesystem::exists(folder_ / "NewData.txt"));
  EXPECT_EQ(archive(), "");
  EXPECT_EQ(ended_, 0);
}

TEST_F(ArchiveWindowTest, RecordsListedInDateOrder) {
  open(
      "05/09/1990*Nozze      *Zeta\r\n"
      "01/01/2001*Sport      *Capodanno\r\n"
      "05/09/1990*Lutti      *Nonno\r\n"
      "31/12/1850*Musica     *Concerto\r\n");
  EXPECT_EQ(caption("Rec"), "4");
  EXPECT_EQ(rows(),
            (QStringList{QString::fromStdString(row("31/12/1850", "Musica     ", "Concerto")),
                         QString::fromStdString(row("05/09/1990", "Lutti      ", "Nonno")),
                         QString::fromStdString(row("05/09/1990", "Nozze      ", "Zeta")),
                         QString::fromStdString(row("01/01/2001", "Sport      ", "Capodanno"))}));
  EXPECT_TRUE(control("Text3")->isEnabled());
}

TEST_F(ArchiveWindowTest, SelectingALineFillsTheFields) {
  open("05/09/1990*Nozze      *Festa di Anna\r\n");
  clickRow(0);
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), "05/09/1990");
  EXPECT_EQ(control<QComboBox>("Tipo")->currentText(), "Nozze");
  EXPECT_EQ(control<QPlainTextEdit>("Text2")->toPlainText(), "Festa di Anna");
}

TEST_F(ArchiveWindowTest, AddRefusesBadDates) {
  const std::string file = "01/01/2001*Sport      *Capodanno\r\n";
  for (const char* date : {"31/02/2020", "5/9/2020", "05/13/2020"}) {
    SCOPED_TRACE(date);
    open(file);
    fill(date, "Nozze", "Festa");
    const int before = beeps();
    click("Label4");
    EXPECT_EQ(beeps(), before + 1);
    EXPECT_TRUE(focused("Text1"));
    EXPECT_EQ(archive(), file);
    EXPECT_EQ(caption("Rec"), "1");
    delete window_.data();
  }
}

TEST_F(ArchiveWindowTest, AddRewritesTheCategory) {
  open("");
  fill("05/09/2020", "nozze", "Festa");
  click("Label4");
  EXPECT_EQ(beeps(), 0);
  EXPECT_EQ(archive(), "05/09/2020*Nozze      *Festa\r\n");
  EXPECT_EQ(control<QComboBox>("Tipo")->currentText(), "Nozze");
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), "05/09/2020");  // the fields stay
  EXPECT_EQ(caption("Rec"), "1");
  EXPECT_EQ(rows(), QStringList{QString::fromStdString(row("05/09/2020", "Nozze      ", "Festa"))});

  fill("06/09/2020", "Matrimoni", "Festa");
  click("Label4");
  EXPECT_EQ(beeps(), 1);
  EXPECT_TRUE(focused("Tipo"));
  EXPECT_EQ(archive(), "05/09/2020*Nozze      *Festa\r\n");
}

TEST_F(ArchiveWindowTest, AddDoesNothingWhileAFieldIsEmpty) {
  open("");
  fill("05/09/2020", "Nozze", "");
  EXPECT_EQ(colour("Label4"), kUnavailable);
  EXPECT_EQ(colour("Label5"), kUnavailable);
  click("Label4");
  EXPECT_EQ(archive(), "");
  EXPECT_EQ(beeps(), 0);
  type("Text2", "Festa");
  window_->timer1Tick();
  EXPECT_EQ(colour("Label4"), kPlain);
  EXPECT_EQ(colour("Label5"), kPlain);
}

TEST_F(ArchiveWindowTest, Text2RefusesStarAndEnter) {
  open("");
  type("Text2", "a*b");
  QTest::keyClick(control("Text2"), Qt::Key_Return);
  QTest::keyClick(control("Text2"), Qt::Key_Enter);
  QTest::keyClicks(control("Text2"), "c");
  EXPECT_EQ(control<QPlainTextEdit>("Text2")->toPlainText(), "abc");
  EXPECT_EQ(beeps(), 3);
}

TEST_F(ArchiveWindowTest, PastedStarAndLineBreaksAreNotStored) {
  open("");
  fill("05/09/2020", "Lutti", "");
  control<QPlainTextEdit>("Text2")->setPlainText("uno*\ndue");
  window_->timer1Tick();
  click("Label4");
  EXPECT_EQ(archive(), "05/09/2020*Lutti      *uno due\r\n");
  EXPECT_EQ(caption("Rec"), "1");
}

TEST_F(ArchiveWindowTest, AddedRecordIsFoundBySearch) {
  open("06/09/1990*Nozze      *Bea\r\n");
  fill("05/09/2020", "Lutti", "Nonno");
  click("Label4");
  type("Text3", "0509");
  EXPECT_TRUE(control("Command1")->isEnabled());
  click("Command1");
  EXPECT_EQ(beeps(), 1);
  EXPECT_TRUE(focused("Text3"));
  EXPECT_EQ(rows().size(), 2);
  EXPECT_EQ(caption("Fin"), "0");

  type("Text3", "05/09");
  click("Command1");
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(rows(), QStringList{QString::fromStdString(row("05/09/2020", "Lutti      ", "Nonno"))});
  EXPECT_EQ(caption("Fin"), "1");

  click("Command2");
  EXPECT_EQ(rows().size(), 2);
  EXPECT_EQ(caption("Fin"), "0");
  EXPECT_EQ(control<QLineEdit>("Text3")->text(), "");
  EXPECT_FALSE(control("Command1")->isEnabled());
}

TEST_F(ArchiveWindowTest, DeleteRemovesBothTwins) {
  open(
      "05/09/1990*Nozze      *Anna\r\n"
      "01/01/2001*Sport      *Capodanno\r\n"
      "05/09/1990*Nozze      *Anna\r\n");
  EXPECT_EQ(caption("Rec"), "3");
  clickRow(0);
  window_->timer1Tick();
  click("Label5");
  EXPECT_EQ(archive(), "01/01/2001*Sport      *Capodanno\r\n");
  EXPECT_EQ(caption("Rec"), "1");
  EXPECT_EQ(rows().size(), 1);
}

TEST_F(ArchiveWindowTest, DeleteWithAHandTypedCategoryInAnotherCaseDeletesNothingAndSaysSo) {
  const std::string file = "05/09/1990*Nozze      *Anna\r\n";
  open(file);
  fill("05/09/1990", "nozze", "Anna");
  MessageBoxCloser closer;
  click("Label5");
  EXPECT_EQ(archive(), file);
  EXPECT_EQ(caption("Rec"), "1");
  EXPECT_EQ(closer.titles(), QStringList{"Archivio"});
}

TEST_F(ArchiveWindowTest, ARecordWithAStarInItsTextCanBeDeleted) {
  open("05/09/1990*Nozze      *5*3 = 15\r\n01/01/2001*Sport      *Capodanno\r\n");
  clickRow(0);
  window_->timer1Tick();
  click("Label5");
  EXPECT_EQ(archive(), "01/01/2001*Sport      *Capodanno\r\n");
  EXPECT_EQ(caption("Rec"), "1");
}

TEST_F(ArchiveWindowTest, ACharacterOutsideTheCodePageIsRefusedByName) {
  open("");
  fill("05/09/2020", "Lutti", "x");
  control<QPlainTextEdit>("Text2")->setPlainText(QString::fromUtf8("Caff\u00e8 \u2615"));
  MessageBoxCloser closer;
  click("Label4");
  EXPECT_EQ(archive(), "");
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(closer.titles(), QStringList{"Archivio"});
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  EXPECT_TRUE(focused("Text2"));
}

TEST_F(ArchiveWindowTest, FailedDeleteKeepsTheArchiveAndSaysSo) {
  const std::string file = "05/09/1990*Nozze      *Anna\r\n";
  open(file);
  std::filesystem::create_directory(folder_ / "NewData.txt.tmp");
  clickRow(0);
  window_->timer1Tick();
  MessageBoxCloser closer;
  click("Label5");
  EXPECT_EQ(archive(), file);
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(closer.titles(), QStringList{"Archivio"});
  EXPECT_EQ(caption("Rec"), "1");
}

TEST_F(ArchiveWindowTest, UnreadableArchiveEndsTheProgramGivingTheReasonOnStandardError) {
  std::filesystem::create_directory(folder_ / "NewData.txt");
  MessageBoxCloser closer;
  testing::internal::CaptureStderr();
  openAsItIs();
  EXPECT_TRUE(testing::internal::GetCapturedStderr().starts_with(
      "giornaro: Errore Grave: Impossibile leggere NewData.txt: è una cartella, non un file.\n"));
  EXPECT_EQ(closer.titles(), QStringList{"Errore Grave"});
  EXPECT_EQ(ended_, 1);
}

TEST_F(ArchiveWindowTest, HoverColours) {
  open("");
  fill("05/09/2020", "Nozze", "Festa");
  struct Step {
    const char* over;
    unsigned label4, label5, label2;
  } steps[] = {
      {"Label2", kPlain, kPlain, 0xFF}, {"Label4", 0xFFFF, kPlain, 0x000000},
      {"Label2", 0xFFFF, kPlain, 0xFF}, {"Label5", kPlain, 0xFFFF, 0x000000},
      {"Label2", kPlain, 0xFFFF, 0xFF}, {"Text1", kPlain, 0xFFFF, 0x000000},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.over);
    hover(step.over);
    EXPECT_EQ(colour("Label4"), step.label4);
    EXPECT_EQ(colour("Label5"), step.label5);
    EXPECT_EQ(colour("Label2"), step.label2);
  }
  window_->timer1Tick();
  EXPECT_EQ(colour("Label4"), kPlain);
  EXPECT_EQ(colour("Label5"), kPlain);

  // Unavailable buttons do not light up.
  control<QPlainTextEdit>("Text2")->clear();
  window_->timer1Tick();
  hover("Label2");
  hover("Label5");
  EXPECT_EQ(colour("Label5"), kUnavailable);
  EXPECT_EQ(colour("Label2"), 0xFFu);
  hover("Label4");
  EXPECT_EQ(colour("Label4"), kUnavailable);
  EXPECT_EQ(colour("Label2"), 0x000000u);
}

TEST_F(ArchiveWindowTest, ClosingShowsTheNewEntryInTheMainWindow) {
  using namespace std::chrono;
  test_support::put_store(folder_);
  put_bytes(folder_ / "NewData.txt", "");
  app::MainWindow main(
      app::compute_day_sheet(year_month_day{year{2026}, September, day{5}}, folder_.path()));
  main.setArchiveEditorOpener(app::open_archive_editor);
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  auto* main_list = main.findChild<toolkit::ListBox*>(QStringLiteral("List1"));
  EXPECT_EQ(main_list->count(), 0);

  auto* mod = main.findChild<toolkit::LabelButton*>(QStringLiteral("Label17"));
  QTest::mouseClick(mod, Qt::LeftButton, {}, mod->rect().center());
  EXPECT_FALSE(main.isVisible());
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "NewDate" && top->isVisible()) {
      window_ = qobject_cast<ArchiveWindow*>(top);
    }
  }
  ASSERT_FALSE(window_.isNull());
  beeps_ = std::make_unique<QSignalSpy>(window_.data(), &ArchiveWindow::beeped);

  fill("05/09/1990", "nozze", "Festa di Anna");
  click("Label4");
  EXPECT_EQ(archive(), "05/09/1990*Nozze      *Festa di Anna\r\n");
  click("Label2");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isNull());
  EXPECT_TRUE(main.isVisible());
  ASSERT_GE(main_list->count(), 2);
  EXPECT_TRUE(main_list->item(0)->text().startsWith("1990 - NOZZE       (36 ANNI AD OGGI)"))
      << main_list->item(0)->text().toStdString();
  EXPECT_EQ(main_list->item(1)->text(), "Festa di Anna");
}

}  // namespace
}  // namespace giornaro::archive
