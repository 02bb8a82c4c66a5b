#include <gtest/gtest.h>

#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "toolkit/colors.h"
#include "toolkit/fonts.h"
#include "toolkit/label_button.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/ui_resources.h"
#include "toolkit/window.h"

namespace giornaro::toolkit {
namespace {

TEST(Twips, LengthsFollowTheLogicalDpi) {
  struct Case {
    int twips;
    double dpi;
    int pixels;
  } cases[] = {
      {8535, 96, 569},   // the main window's width
      {6615, 96, 441},   // its height
      {15, 96, 1},       // one pixel
      {7, 96, 0},        // under half a pixel
      {8, 96, 1},        // over half a pixel
      {1440, 120, 120},  // an inch is the dpi
      {-1320, 96, -88},  // controls may start left of their container
      {375, 144, 38},    // 37.5 rounds away from zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.twips) + " twips at " + std::to_string(c.dpi));
    EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels);
  }
}

TEST(Twips, RectanglesThatMeetStillMeet) {
  // Two controls side by side and one below, at a dpi where sizes alone
  // would round apart.
  const QRect a = twips_to_pixels(TwipsRect{120, 600, 1575, 375}, 120);
  const QRect b = twips_to_pixels(TwipsRect{1695, 600, 1575, 375}, 120);
  const QRect c = twips_to_pixels(TwipsRect{120, 975, 1575, 375}, 120);
  EXPECT_EQ(a.right() + 1, b.left());
  EXPECT_EQ(a.bottom() + 1, c.top());
  EXPECT_EQ(twips_to_pixels(TwipsRect{120, 6180, 1575, 375}, 96), QRect(8, 412, 105, 25));
}

TEST(Fonts, LayoutFontsResolveToInstalledFaces) {
  struct Case {
    FontFamily family;
    double points;
    bool bold;
    bool heavy;  // drawn bold or heavier
  } cases[] = {
      {FontFamily::Arial, 8.25, false, false},
      {FontFamily::Arial, 30, true, true},
      {FontFamily::ArialBlack, 14.25, false, true},
      {FontFamily::MsSansSerif, 8.25, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    const QFont font = layout_font(c.family, c.points, c.bold);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), c.points);
    const QFontInfo drawn(font);
    EXPECT_TRUE(drawn.family().startsWith(QStringLiteral("Arial")) ||
                drawn.family() == QStringLiteral("Liberation Sans"))
        << drawn.family().toStdString();
    EXPECT_EQ(drawn.weight() >= QFont::Bold, c.heavy);
  }
}

TEST(ListBox, FlagsComeFromCodeAndClicksRunTheHandler) {
  ListBox list(ListBox::Mode::FlagsFromCode);
  list.resize(200, 200);
  list.setRows({{"uno", true}, {"due", false}, {"tre", true}, {"quattro", false}});
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  QSignalSpy clicks(&list, &ListBox::rowClicked);

  struct Case {
    const char* what;
    int row;
    bool by_code;
    int expected_clicks;  // how many times the handler runs
  } cases[] = {
      {"click on an unflagged row", 1, false, 1}, {"click on a flagged row", 2, false, 1},
      {"code moves the current row", 0, true, 1}, {"code names the current row again", 0, true, 0},
      {"code names no row", 7, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clicks.clear();
    if (c.by_code) {
      list.setCurrentRowFromCode(c.row);
    } else {
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                        list.visualItemRect(list.item(c.row)).center());
      EXPECT_EQ(list.currentRow(), c.row);
    }
    ASSERT_EQ(clicks.size(), c.expected_clicks);
    if (c.expected_clicks > 0) {
      EXPECT_EQ(clicks.front().front().toInt(), c.row);
    }
    // Only code changes the flags.
    EXPECT_TRUE(list.rowSelected(0));
    EXPECT_FALSE(list.rowSelected(1));
    EXPECT_TRUE(list.rowSelected(2));
    EXPECT_FALSE(list.rowSelected(3));
  }
  QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);  // select all is refused
  EXPECT_FALSE(list.rowSelected(3));
  list.setFlags({{"", false}, {"", true}});
  EXPECT_FALSE(list.rowSelected(0));
  EXPECT_TRUE(list.rowSelected(1));
  EXPECT_TRUE(list.rowSelected(2));  // beyond the given flags: unchanged
}

TEST(ListBox, HandlerMayMoveTheCurrentRowBackWithoutLooping) {
  ListBox list(ListBox::Mode::FlagsFromCode);
  list.resize(200, 200);
  list.setRows({{"1990 - x", true}, {"testo", false}, {"altro", false}});
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  int runs = 0;
  QObject::connect(&list, &ListBox::rowClicked, [&](int) {
    ++runs;
    list.setCurrentRowFromCode(0);
  });
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(2)).center());
  EXPECT_EQ(runs, 2);  // the click, then the move back to row 0
  EXPECT_EQ(list.currentRow(), 0);
}

TEST(ListBox, SingleModeSelectsTheClickedRow) {
  ListBox list(ListBox::Mode::Single);
  list.resize(200, 200);
  list.setRows({{"a", false}, {"b", false}, {"c", false}});
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(1)).center());
  EXPECT_TRUE(list.rowSelected(1));
  list.setCurrentRowFromCode(2);
  EXPECT_FALSE(list.rowSelected(1));
  EXPECT_TRUE(list.rowSelected(2));
}

TEST(LabelButton, ClickNeedsPressAndReleaseOverIt) {
  QWidget window;
  window.resize(300, 100);
  auto* button = new LabelButton(QStringLiteral("OK"), &window);
  button->setGeometry(10, 10, 80, 30);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QSignalSpy clicks(button, &LabelButton::clicked);
  QSignalSpy moves(button, &LabelButton::mouseMoved);

  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.size(), 1);
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.size(), 1);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 5));  // released elsewhere
  EXPECT_EQ(clicks.size(), 1);

  QTest::mouseMove(button, QPoint(20, 15));
  EXPECT_GE(moves.size(), 1);
  EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);  // the program's own cursor
}

TEST(Shape, ColoursAndMousePassThrough) {
  Shape shape(Shape::Kind::RoundedRectangle);
  EXPECT_FALSE(shape.fillColor().isValid());
  EXPECT_FALSE(shape.backColor().isValid());
  shape.setFillColor(from_bgr(0xFFC0C0));
  shape.setBackColor(from_bgr(0xC0C0FF));
  EXPECT_EQ(to_bgr(shape.fillColor()), 0xFFC0C0u);
  EXPECT_EQ(to_bgr(shape.backColor()), 0xC0C0FFu);
  shape.clearFill();
  EXPECT_FALSE(shape.fillColor().isValid());
  EXPECT_TRUE(shape.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Resources, ProgramPicturesAreCarriedAndMissingOnesAreEmpty) {
  EXPECT_FALSE(window_icon().pixmap(32, 32).isNull());
  EXPECT_FALSE(resource_picture(QStringLiteral(":/ui/cursor.png")).isNull());
  Picture picture;
  EXPECT_TRUE(picture.showResource(QStringLiteral(":/ui/icon.png")));
  EXPECT_FALSE(picture.pixmap().isNull());
  EXPECT_FALSE(picture.showResource(QStringLiteral(":/moon/999.bmp")));
  EXPECT_TRUE(picture.pixmap().isNull());
}

TEST(Window, StackingPutsTheFirstInFront) {
  QWidget parent;
  auto* back = new QWidget(&parent);
  auto* middle = new QWidget(&parent);
  auto* front = new QWidget(&parent);
  auto* other = new QWidget(&parent);
  stack_front_to_back({front, middle, back});
  const auto order = parent.children();  // back to front
  ASSERT_EQ(order.size(), 4);
  EXPECT_EQ(order[0], other);
  EXPECT_EQ(order[1], back);
  EXPECT_EQ(order[2], middle);
  EXPECT_EQ(order[3], front);
}

}  // namespace
}  // namespace giornaro::toolkit
