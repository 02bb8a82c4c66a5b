#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVariant>

#include "archive/archive_window.h"
#include "place/place_panel.h"
#include "runtime/failure.h"
#include "toolkit/colors.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/list_box.h"
#include "toolkit/message.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/ui_resources.h"
#include "toolkit/window.h"

namespace giornaro::app {
namespace {

using toolkit::add_button;
using toolkit::add_label;
using toolkit::FontFamily;
using toolkit::from_bgr;
using toolkit::LabelLook;
using toolkit::layout_font;
using toolkit::TwipsRect;

constexpr int kClientWidthTwips = 8535;
constexpr int kClientHeightTwips = 6615;

// The two states of the list switch: the heading of the list shown and the
// caption of the switch, which names the other list.
struct ListSwitchCaptions {
  const char* label9;
  const char* label11;
};
constexpr ListSwitchCaptions kShowingFacts{" I Fatti del Giorno", "I Nati Oggi"};
constexpr ListSwitchCaptions kShowingBirths{" I Nati Oggi", "I Fatti del Giorno"};

// Hover colours of the label-buttons' shapes; a tick of Timer1 restores them.
constexpr unsigned kHoverListSwitch = 0xFF;
constexpr unsigned kHoverMenu = 0xFFFF;
constexpr unsigned kHoverPlace = 0xFF;

constexpr const char* kContactLine = "giornaro@example.org";

// Year numbers scattered over the background.
struct BackgroundYear {
  const char* caption;
  double points;
  int left, top;
};
// clang-format off
constexpr BackgroundYear kBackgroundYears[] = {
    {"1969", 72,    360,  120},
    {"1753", 48,    2760, 1440},
    {"2004", 36,    5280, 240},
    {"1969", 48,    5760, 1560},
    {"1988", 36,    3360, 2760},
    {"1680", 27.75, 720,  3720},
    {"1250", 36,    5160, 5520},
    {"1975", 48,    960,  5280},
    {"2000", 72,    2520, 3960},
    {"1873", 48,    5520, 2880},
    {"1518", 48,    1800, 5640},
    {"1975", 48,    5640, 5040},
    {"2004", 72,    600,  2400},
};
// clang-format on

QString qt_text(const std::string& text) {
  return QString::fromStdString(text);
}

// A shape; without a fill colour it takes its colour from backing_shapes().
toolkit::Shape* add_shape(QWidget* parent, const QString& name, toolkit::Shape::Kind kind,
                          TwipsRect rect, std::optional<unsigned> fill_bgr = std::nullopt) {
  auto* shape = new toolkit::Shape(kind, parent);
  shape->setObjectName(name);
  if (fill_bgr) shape->setFillColor(from_bgr(*fill_bgr));
  toolkit::place_twips(shape, rect);
  return shape;
}

}  // namespace

MainWindow::MainWindow(DaySheet sheet, QWidget* parent)
    : QWidget(parent), sheet_(std::move(sheet)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setWindowIcon(toolkit::window_icon());
  toolkit::set_client_size_twips(this, kClientWidthTwips, kClientHeightTwips);
  toolkit::keep_on_top(this);

  buildDecoration();
  buildControls();
  stackControls();

  for (const BackingShape& backing : backing_shapes()) {
    backingShapes_.push_back(findChild<toolkit::Shape*>(QString::fromUtf8(backing.shape)));
  }

  restoreButtonShapes();
  showSheet();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kBannerTickMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &MainWindow::timer1Tick);
  timer1_->start();
}

void MainWindow::buildDecoration() {
  add_shape(this, QStringLiteral("Shape1"), toolkit::Shape::Kind::Rectangle,
            {0, 0, kClientWidthTwips, kClientHeightTwips}, 0xFFFFFF);

  back_.push_back(add_label(this, QStringLiteral("Label1"), QStringLiteral("GIORNARO"),
                            {0, 0, kClientWidthTwips, 375},
                            {layout_font(FontFamily::ArialBlack, 14.25), from_bgr(0xFFFF),
                             std::nullopt, Qt::AlignHCenter}));
  const LabelLook contact{layout_font(FontFamily::Arial, 8.25), Qt::white, std::nullopt,
                          Qt::AlignLeft};
  const TwipsRect contact_places[] = {{1320, 120, 1815, 255}, {5640, 120, 1755, 255}};
  for (int i = 0; i < 2; ++i) {
    QLabel* label = add_label(this, QStringLiteral("Label16"), QString::fromUtf8(kContactLine),
                              contact_places[i], contact);
    label->setProperty("index", i);
    back_.push_back(label);
  }
  back_.push_back(add_shape(this, QStringLiteral("Shape2"), toolkit::Shape::Kind::Rectangle,
                            {0, 0, kClientWidthTwips, 375}, 0xFF0000));

  const double dpi = toolkit::logical_dpi(this);
  int index = 0;
  for (const BackgroundYear& year : kBackgroundYears) {
    auto* label = new QLabel(QString::fromUtf8(year.caption), this);
    label->setObjectName(QStringLiteral("Label3"));
    label->setProperty("index", index++);
    toolkit::apply_look(label, {layout_font(FontFamily::Arial, year.points, true),
                                from_bgr(0xC0FFFF), std::nullopt, Qt::AlignLeft, false});
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    label->move(toolkit::twips_to_pixels(year.left, dpi), toolkit::twips_to_pixels(year.top, dpi));
    back_.push_back(label);
  }
}

void MainWindow::buildControls() {
  const QFont arial_8 = layout_font(FontFamily::Arial, 8.25);
  const QFont arial_8_bold = layout_font(FontFamily::Arial, 8.25, true);
  const QFont sans_8 = layout_font(FontFamily::MsSansSerif, 8.25);
  const QFont sans_8_bold = layout_font(FontFamily::MsSansSerif, 8.25, true);
  const QFont menu_font = layout_font(FontFamily::ArialBlack, 12);
  const QPalette system = QApplication::palette();

  label17_ = add_button(this, QStringLiteral("Label17"), QStringLiteral("MOD."), {0, 0, 1095, 375},
                        {menu_font, Qt::black, std::nullopt, Qt::AlignHCenter});
  label17_->setToolTip(QStringLiteral("Inserisci, Modifica, Cancella, nuovi fatti"));
  shape19_ = add_shape(this, QStringLiteral("Shape19"), toolkit::Shape::Kind::RoundedRectangle,
                       {0, 0, 1095, 375});
  label13_ =
      add_button(this, QStringLiteral("Label13"), QStringLiteral("ESCI"), {7440, 0, 1095, 375},
                 {menu_font, Qt::black, std::nullopt, Qt::AlignHCenter});
  shape13_ = add_shape(this, QStringLiteral("Shape13"), toolkit::Shape::Kind::RoundedRectangle,
                       {7440, 0, 1095, 375});

  meseT_ = add_label(this, QStringLiteral("meseT"), {}, {120, 600, 1575, 375},
                     {layout_font(FontFamily::Arial, 9.75, true), from_bgr(0xFFFF),
                      from_bgr(0xFF0000), Qt::AlignHCenter});
  giorno_ = add_label(this, QStringLiteral("giorno"), {}, {120, 960, 1575, 735},
                      {layout_font(FontFamily::Arial, 30, true),
                       system.color(QPalette::Active, QPalette::HighlightedText),
                       system.color(QPalette::Active, QPalette::Highlight), Qt::AlignHCenter});
  settimana_ = add_label(this, QStringLiteral("settimana"), {}, {120, 1680, 1575, 255},
                         {layout_font(FontFamily::Arial, 9.75, true), Qt::black, from_bgr(0x8080FF),
                          Qt::AlignHCenter});
  add_label(this, QStringLiteral("Label2"), QStringLiteral("Il Santo"), {120, 2040, 1575, 255},
            {arial_8_bold, Qt::white, from_bgr(0xC0), Qt::AlignHCenter});
  santo_ = add_label(this, QStringLiteral("santo"), {}, {240, 2400, 1335, 615},
                     {arial_8, Qt::black, from_bgr(0xFFFFC0), Qt::AlignHCenter});
  add_label(this, QStringLiteral("Label5"), QStringLiteral("Il Sole a:"), {120, 3120, 1575, 255},
            {arial_8_bold, Qt::white, from_bgr(0xFF), Qt::AlignHCenter});
  zona_ = add_button(this, QStringLiteral("zona"), {}, {120, 3360, 1575, 255},
                     {arial_8_bold, from_bgr(0xE0E0E0), std::nullopt, Qt::AlignHCenter});
  shape14_ = add_shape(this, QStringLiteral("Shape14"), toolkit::Shape::Kind::Rectangle,
                       {120, 3360, 1575, 255});
  const LabelLook caption{sans_8, Qt::black, std::nullopt, Qt::AlignLeft, false};
  const LabelLook value{sans_8_bold, Qt::black, std::nullopt, Qt::AlignLeft};
  const LabelLook time{sans_8_bold, Qt::black, std::nullopt, Qt::AlignRight};
  add_label(this, QStringLiteral("Label4"), QStringLiteral("Sorge:"), {240, 3600, 900, 255},
            caption);
  sorge_ = add_label(this, QStringLiteral("sorge"), {}, {960, 3600, 615, 255}, time);
  add_label(this, QStringLiteral("Label6"), QStringLiteral("Tramonta:"), {240, 3840, 900, 255},
            caption);
  tramonta_ = add_label(this, QStringLiteral("tramonta"), {}, {960, 3840, 615, 255}, time);
  add_label(this, QStringLiteral("Label7"), QStringLiteral("La Luna"), {120, 4080, 1575, 255},
            {arial_8_bold, Qt::black, from_bgr(0xC0C0), Qt::AlignHCenter});
  add_label(this, QStringLiteral("Label8"), QStringLiteral("Stato:"), {240, 4440, 600, 255},
            caption);
  statoT_ = add_label(this, QStringLiteral("statoT"), {}, {720, 4440, 975, 255}, value);
  add_label(this, QStringLiteral("Label10"), QString::fromUtf8("Età:"), {240, 4680, 480, 255},
            caption);
  eta_ = add_label(this, QString::fromUtf8("età"), {}, {600, 4680, 1095, 255}, value);
  lunaIMG_ = new toolkit::Picture(this);
  lunaIMG_->setObjectName(QStringLiteral("LunaIMG"));
  toolkit::place_twips(lunaIMG_, {240, 4920, 1215, 975});

  label11_ = add_button(
      this, QStringLiteral("Label11"), {}, {120, 6180, 1575, 375},
      {layout_font(FontFamily::Arial, 9, true), Qt::black, std::nullopt, Qt::AlignHCenter});
  shape11_ = add_shape(this, QStringLiteral("Shape11"), toolkit::Shape::Kind::RoundedRectangle,
                       {120, 6120, 1575, 375});
  label9_ = add_label(
      this, QStringLiteral("Label9"), {}, {1800, 480, 2415, 375},
      {layout_font(FontFamily::Arial, 11.25, true), Qt::white, std::nullopt, Qt::AlignLeft});
  add_shape(this, QStringLiteral("Shape12"), toolkit::Shape::Kind::Rectangle,
            {1800, 480, 6615, 255}, 0xFF);

  list1_ = new toolkit::ListBox(toolkit::ListBox::Mode::FlagsFromCode, this);
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setFont(arial_8_bold);
  list1_->setColours(from_bgr(0xC0FFFF), Qt::black);
  toolkit::place_twips(list1_, {1800, 720, 6615, 5280});
  list2_ = new toolkit::ListBox(toolkit::ListBox::Mode::FlagsFromCode, this);
  list2_->setObjectName(QStringLiteral("List2"));
  list2_->setFont(arial_8);
  list2_->setColours(from_bgr(0xFFC0C0), Qt::black);
  toolkit::place_twips(list2_, {1800, 720, 6615, 5280});
  list2_->hide();

  label12_ = add_label(
      this, QStringLiteral("Label12"), {}, {1920, 6120, 6375, 375},
      {layout_font(FontFamily::Arial, 15.75, true), Qt::black, std::nullopt, Qt::AlignHCenter});
  add_label(this, QStringLiteral("numero"), {}, {4560, 6240, 975, 375},
            {layout_font(FontFamily::Arial, 15.75, true), Qt::black, std::nullopt, Qt::AlignLeft});
  add_shape(this, QStringLiteral("Shape16"), toolkit::Shape::Kind::RoundedRectangle,
            {1800, 6120, 6615, 375}, 0x0080FF);

  canno_ = new QLabel(this);
  canno_->setObjectName(QStringLiteral("CANNO"));
  canno_->hide();

  sceltac_ = new place::PlacePanel(this);
  toolkit::place_twips(sceltac_, {3600, 1320, 2295, 3375});
  sceltac_->hide();

  connect(label11_, &toolkit::LabelButton::clicked, this, &MainWindow::switchLists);
  connect(label13_, &toolkit::LabelButton::clicked, this, &QWidget::close);
  connect(label17_, &toolkit::LabelButton::clicked, this, &MainWindow::openArchiveEditor);
  connect(list1_, &toolkit::ListBox::rowClicked, this, &MainWindow::list1Clicked);
  connect(list2_, &toolkit::ListBox::rowClicked, this, &MainWindow::list2Clicked);
  connect(zona_, &toolkit::LabelButton::clicked, this, &MainWindow::openPlacePanel);
  connect(sceltac_, &place::PlacePanel::confirmRequested, this, &MainWindow::confirmPlace);

  connect(label11_, &toolkit::LabelButton::mouseMoved, this,
          [this] { shape11_->setFillColor(from_bgr(kHoverListSwitch)); });
  connect(label13_, &toolkit::LabelButton::mouseMoved, this,
          [this] { shape13_->setFillColor(from_bgr(kHoverMenu)); });
  connect(label17_, &toolkit::LabelButton::mouseMoved, this,
          [this] { shape19_->setFillColor(from_bgr(kHoverMenu)); });
  connect(zona_, &toolkit::LabelButton::mouseMoved, this,
          [this] { shape14_->setFillColor(from_bgr(kHoverPlace)); });
}

void MainWindow::stackControls() {
  std::vector<QWidget*> order = {sceltac_,
                                 label17_,
                                 shape19_,
                                 label13_,
                                 shape13_,
                                 meseT_,
                                 giorno_,
                                 settimana_,
                                 findChild<QLabel*>(QStringLiteral("Label2")),
                                 santo_,
                                 findChild<QLabel*>(QStringLiteral("Label5")),
                                 zona_,
                                 shape14_,
                                 findChild<QLabel*>(QStringLiteral("Label4")),
                                 sorge_,
                                 findChild<QLabel*>(QStringLiteral("Label6")),
                                 tramonta_,
                                 findChild<QLabel*>(QStringLiteral("Label7")),
                                 findChild<QLabel*>(QStringLiteral("Label8")),
                                 statoT_,
                                 findChild<QLabel*>(QStringLiteral("Label10")),
                                 eta_,
                                 lunaIMG_,
                                 label11_,
                                 shape11_,
                                 label9_,
                                 findChild<QWidget*>(QStringLiteral("Shape12")),
                                 list1_,
                                 list2_,
                                 label12_,
                                 findChild<QWidget*>(QStringLiteral("numero")),
                                 findChild<QWidget*>(QStringLiteral("Shape16"))};
  order.insert(order.end(), back_.begin(), back_.end());
  order.push_back(findChild<QWidget*>(QStringLiteral("Shape1")));
  toolkit::stack_front_to_back(order);
}

void MainWindow::showSheet() {
  giorno_->setText(qt_text(sheet_.giorno));
  meseT_->setText(qt_text(sheet_.meseT));
  settimana_->setText(qt_text(sheet_.settimana));
  santo_->setText(qt_text(sheet_.santo));
  showPlace();
  statoT_->setText(qt_text(sheet_.statoT));
  eta_->setText(qt_text(sheet_.eta));
  canno_->setText(qt_text(sheet_.CANNO));
  showMoonPicture();
  sceltac_->setPlaces(sheet_.luogo2);

  const ListSwitchCaptions& captions = showingBirths_ ? kShowingBirths : kShowingFacts;
  label9_->setText(QString::fromUtf8(captions.label9));
  label11_->setText(QString::fromUtf8(captions.label11));
  showDayLists();
}

void MainWindow::showPlace() {
  // Long names (REGGIO NELL'EMILIA) are set smaller to stay on the button.
  toolkit::set_fitted_caption(zona_, qt_text(sheet_.zona),
                              layout_font(FontFamily::Arial, 8.25, true), 6);
  sorge_->setText(qt_text(sheet_.sorge));
  tramonta_->setText(qt_text(sheet_.tramonta));
}

void MainWindow::showDayLists() {
  list1_->setRows(sheet_.List1);
  list1_->setCurrentRowFromCode(0);
  list2_->setRows(sheet_.List2);
  list2_->setCurrentRowFromCode(0);
}

void MainWindow::showMoonPicture() {
  if (!sheet_.LunaIMG) {
    lunaIMG_->clearPicture();
    return;
  }
  lunaIMG_->showResource(QStringLiteral(":/moon/%1.bmp").arg(*sheet_.LunaIMG));
}

void MainWindow::switchLists() {
  showingBirths_ = !showingBirths_;
  list1_->setVisible(!showingBirths_);
  list2_->setVisible(showingBirths_);
  const ListSwitchCaptions& captions = showingBirths_ ? kShowingBirths : kShowingFacts;
  label11_->setText(QString::fromUtf8(captions.label11));
  label9_->setText(QString::fromUtf8(captions.label9));
}

void MainWindow::list1Clicked() {
  list1_->setFlags(sheet_.List1);
  list1_->setCurrentRowFromCode(0);
}

void MainWindow::list2Clicked() {
  list2_->setFlags(sheet_.List2);
  list2_->setCurrentRowFromCode(0);
}

void MainWindow::openArchiveEditor() {
  hide();
  if (archiveEditorOpener_) {
    archiveEditorOpener_(*this);
  } else {
    show();
  }
}

void MainWindow::setArchiveEditorOpener(ArchiveEditorOpener opener) {
  archiveEditorOpener_ = std::move(opener);
}

void MainWindow::returnFromArchiveEditor() {
  QString failure;
  try {
    refresh_day_lists(sheet_);
  } catch (const std::exception& error) {
    failure = QString::fromUtf8(error.what());
  }
  showDayLists();
  show();
  update();
  if (!failure.isEmpty()) toolkit::critical_message(this, QStringLiteral("Errore"), failure);
}

void MainWindow::openPlacePanel() {
  sceltac_->open(sheet_.zona);
}

void MainWindow::confirmPlace(const std::string& picked) {
  try {
    confirm_place(sheet_, picked);
  } catch (const std::exception& error) {
    toolkit::critical_message(this, QStringLiteral("Errore"), QString::fromUtf8(error.what()));
    return;
  }
  showPlace();
  sceltac_->hide();
}

void MainWindow::reportStartErrors() {
  if (sheet_.errors.empty()) return;
  QStringList lines;
  for (const std::string& error : sheet_.errors) lines << qt_text(error);
  toolkit::critical_message(this, QStringLiteral("Errore"), lines.join(QLatin1Char('\n')));
}

void MainWindow::timer1Tick() {
  if (const std::optional<BannerLine> line = banner_.tick()) {
    toolkit::set_text_colour(label12_, from_bgr(line->colour_bgr));
    label12_->setText(
        QString::fromUtf8(line->caption.data(), static_cast<qsizetype>(line->caption.size())));
  }
  restoreButtonShapes();
}

void MainWindow::restoreButtonShapes() {
  for (std::size_t i = 0; i < backingShapes_.size(); ++i) {
    toolkit::Shape* shape = backingShapes_[i];
    const BackingShape& backing = backing_shapes()[i];
    if (!shape) continue;
    if (backing.property == ShapeColour::Fill) {
      shape->setFillColor(from_bgr(backing.colour_bgr));
    } else {
      shape->setBackColor(from_bgr(backing.colour_bgr));
    }
  }
}

void open_archive_editor(MainWindow& owner) {
  auto* editor = archive::ArchiveWindow::open(owner.sheet().folder, &owner);
  // Direct: the owner shows itself before the editor is gone, so the
  // program never runs without a window.
  QObject::connect(editor, &archive::ArchiveWindow::closed, &owner,
                   &MainWindow::returnFromArchiveEditor, Qt::DirectConnection);
}

}  // namespace giornaro::app
