#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVariant>
#include <stdexcept>
#include <string>

#include "archive/archive_window.h"
#include "place/place_panel.h"
#include "runtime/failure.h"
#include "toolkit/colors.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/layout.h"
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
using toolkit::qt_text;
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

using toolkit::bgr;
using toolkit::ControlRow;
using toolkit::kBlack;
using toolkit::kHighlight;
using toolkit::kHighlightedText;
using toolkit::kNoColour;
using toolkit::kWhite;
using Part = toolkit::ControlRow::Part;

constexpr auto kLeft = Qt::AlignLeft;
constexpr auto kCentre = Qt::AlignHCenter;
constexpr auto kRight = Qt::AlignRight;
constexpr FontFamily kArial = FontFamily::Arial;
constexpr FontFamily kHeavy = FontFamily::ArialBlack;
constexpr FontFamily kSans = FontFamily::MsSansSerif;

// The controls of the sheet, front to back (the order they are stacked in).
// clang-format off
constexpr ControlRow kControls[] = {
    {Part::button,        "Label17",   "MOD.",        {0, 0, 1095, 375},       kHeavy, 12,    false, kBlack,           kNoColour,        kCentre, true},
    {Part::rounded_shape, "Shape19",   nullptr,       {0, 0, 1095, 375},       kArial, 0,     false, kNoColour,        kNoColour,        kLeft,   true},
    {Part::button,        "Label13",   "ESCI",        {7440, 0, 1095, 375},    kHeavy, 12,    false, kBlack,           kNoColour,        kCentre, true},
    {Part::rounded_shape, "Shape13",   nullptr,       {7440, 0, 1095, 375},    kArial, 0,     false, kNoColour,        kNoColour,        kLeft,   true},
    {Part::label,         "meseT",     nullptr,       {120, 600, 1575, 375},   kArial, 9.75,  true,  bgr(0xFFFF),      bgr(0xFF0000),    kCentre, true},
    {Part::label,         "giorno",    nullptr,       {120, 960, 1575, 735},   kArial, 30,    true,  kHighlightedText, kHighlight,       kCentre, true},
    {Part::label,         "settimana", nullptr,       {120, 1680, 1575, 255},  kArial, 9.75,  true,  kBlack,           bgr(0x8080FF),    kCentre, true},
    {Part::label,         "Label2",    "Il Santo",    {120, 2040, 1575, 255},  kArial, 8.25,  true,  kWhite,           bgr(0xC0),        kCentre, true},
    {Part::label,         "santo",     nullptr,       {240, 2400, 1335, 615},  kArial, 8.25,  false, kBlack,           bgr(0xFFFFC0),    kCentre, true},
    {Part::label,         "Label5",    "Il Sole a:",  {120, 3120, 1575, 255},  kArial, 8.25,  true,  kWhite,           bgr(0xFF),        kCentre, true},
    {Part::button,        "zona",      nullptr,       {120, 3360, 1575, 255},  kArial, 8.25,  true,  bgr(0xE0E0E0),    kNoColour,        kCentre, true},
    {Part::shape,         "Shape14",   nullptr,       {120, 3360, 1575, 255},  kArial, 0,     false, kNoColour,        kNoColour,        kLeft,   true},
    {Part::label,         "Label4",    "Sorge:",      {240, 3600, 900, 255},   kSans,  8.25,  false, kBlack,           kNoColour,        kLeft,   false},
    {Part::label,         "sorge",     nullptr,       {960, 3600, 615, 255},   kSans,  8.25,  true,  kBlack,           kNoColour,        kRight,  true},
    {Part::label,         "Label6",    "Tramonta:",   {240, 3840, 900, 255},   kSans,  8.25,  false, kBlack,           kNoColour,        kLeft,   false},
    {Part::label,         "tramonta",  nullptr,       {960, 3840, 615, 255},   kSans,  8.25,  true,  kBlack,           kNoColour,        kRight,  true},
    {Part::label,         "Label7",    "La Luna",     {120, 4080, 1575, 255},  kArial, 8.25,  true,  kBlack,           bgr(0xC0C0),      kCentre, true},
    {Part::label,         "Label8",    "Stato:",      {240, 4440, 600, 255},   kSans,  8.25,  false, kBlack,           kNoColour,        kLeft,   false},
    {Part::label,         "statoT",    nullptr,       {720, 4440, 975, 255},   kSans,  8.25,  true,  kBlack,           kNoColour,        kLeft,   true},
    {Part::label,         "Label10",   "Età:",        {240, 4680, 480, 255},   kSans,  8.25,  false, kBlack,           kNoColour,        kLeft,   false},
    {Part::label,         "età",       nullptr,       {600, 4680, 1095, 255},  kSans,  8.25,  true,  kBlack,           kNoColour,        kLeft,   true},
    {Part::picture,       "LunaIMG",   nullptr,       {240, 4920, 1215, 975},  kArial, 0,     false, kNoColour,        kNoColour,        kLeft,   true},
    {Part::button,        "Label11",   nullptr,       {120, 6180, 1575, 375},  kArial, 9,     true,  kBlack,           kNoColour,        kCentre, true},
    {Part::rounded_shape, "Shape11",   nullptr,       {120, 6120, 1575, 375},  kArial, 0,     false, kNoColour,        kNoColour,        kLeft,   true},
    {Part::label,         "Label9",    nullptr,       {1800, 480, 2415, 375},  kArial, 11.25, true,  kWhite,           kNoColour,        kLeft,   true},
    {Part::shape,         "Shape12",   nullptr,       {1800, 480, 6615, 255},  kArial, 0,     false, kNoColour,        bgr(0xFF),        kLeft,   true},
    {Part::list,          "List1",     nullptr,       {1800, 720, 6615, 5280}, kArial, 8.25,  true,  kBlack,           bgr(0xC0FFFF),    kLeft,   true},
    {Part::list,          "List2",     nullptr,       {1800, 720, 6615, 5280}, kArial, 8.25,  false, kBlack,           bgr(0xFFC0C0),    kLeft,   true},
    {Part::label,         "Label12",   nullptr,       {1920, 6120, 6375, 375}, kArial, 15.75, true,  kBlack,           kNoColour,        kCentre, true},
    {Part::label,         "numero",    nullptr,       {4560, 6240, 975, 375},  kArial, 15.75, true,  kBlack,           kNoColour,        kLeft,   true},
    {Part::rounded_shape, "Shape16",   nullptr,       {1800, 6120, 6615, 375}, kArial, 0,     false, kNoColour,        bgr(0x0080FF),    kLeft,   true},
};
// clang-format on

static_assert(std::size(kControls) == MainWindow::kControlCount,
              "kControls lists every control once, in the order of MainWindow::Control");

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
    backingShapes_.push_back(backingShape(backing.shape));
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
  shape1_ = toolkit::add_shape(this, QStringLiteral("Shape1"),
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
  back_.push_back(
      toolkit::add_shape(this, QStringLiteral("Shape2"), {0, 0, kClientWidthTwips, 375}, 0xFF0000));

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
  for (std::size_t i = 0; i < kControlCount; ++i) {
    controls_[i] = toolkit::make_control(this, kControls[i]);
  }
  label17_ = control<toolkit::LabelButton>(Control::Label17);
  shape19_ = control<toolkit::Shape>(Control::Shape19);
  label13_ = control<toolkit::LabelButton>(Control::Label13);
  shape13_ = control<toolkit::Shape>(Control::Shape13);
  meseT_ = control<QLabel>(Control::meseT);
  giorno_ = control<QLabel>(Control::giorno);
  settimana_ = control<QLabel>(Control::settimana);
  santo_ = control<QLabel>(Control::santo);
  zona_ = control<toolkit::LabelButton>(Control::zona);
  shape14_ = control<toolkit::Shape>(Control::Shape14);
  sorge_ = control<QLabel>(Control::sorge);
  tramonta_ = control<QLabel>(Control::tramonta);
  statoT_ = control<QLabel>(Control::statoT);
  eta_ = control<QLabel>(Control::eta);
  lunaIMG_ = control<toolkit::Picture>(Control::LunaIMG);
  label11_ = control<toolkit::LabelButton>(Control::Label11);
  shape11_ = control<toolkit::Shape>(Control::Shape11);
  label9_ = control<QLabel>(Control::Label9);
  list1_ = control<toolkit::ListBox>(Control::List1);
  list2_ = control<toolkit::ListBox>(Control::List2);
  label12_ = control<QLabel>(Control::Label12);

  label17_->setToolTip(QStringLiteral("Inserisci, Modifica, Cancella, nuovi fatti"));
  list2_->hide();

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

template <typename T>
T* MainWindow::control(Control id) const {
  T* typed = qobject_cast<T*>(controls_[static_cast<std::size_t>(id)]);
  if (typed == nullptr) throw std::logic_error("control of the wrong kind in the layout table");
  return typed;
}

toolkit::Shape* MainWindow::backingShape(std::string_view name) const {
  if (name == "Shape15") return sceltac_->okShape();
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (name == kControls[i].name) return control<toolkit::Shape>(static_cast<Control>(i));
  }
  throw std::logic_error("no shape " + std::string(name) + " on the main window");
}

void MainWindow::stackControls() {
  std::vector<QWidget*> order{sceltac_};
  order.insert(order.end(), controls_.begin(), controls_.end());
  order.insert(order.end(), back_.begin(), back_.end());
  order.push_back(shape1_);
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
  // The 108 rows wait for the first opening: nothing of them shows before.
  if (!placesListed_) {
    sceltac_->setPlaces(sheet_.luogo2);
    placesListed_ = true;
  }
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
