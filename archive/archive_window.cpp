#include "archive/archive_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "toolkit/colors.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/layout.h"
#include "toolkit/list_box.h"
#include "toolkit/message.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/ui_resources.h"
#include "toolkit/window.h"

namespace giornaro::archive {
namespace {

using toolkit::add_button;
using toolkit::add_label;
using toolkit::add_shape;
using toolkit::FontFamily;
using toolkit::from_bgr;
using toolkit::LabelLook;
using toolkit::layout_font;
using toolkit::qt_text;
using toolkit::TwipsRect;

constexpr int kClientWidthTwips = 6615;
constexpr int kClientHeightTwips = 6465;
constexpr int kTimer1Milliseconds = 100;

// Text colours of the label-buttons. kUnavailable marks "Inserisci" and
// "Cancella" while a field is empty.
constexpr unsigned kButtonPlain = 0xFF8080;
constexpr unsigned kUnavailable = 0xC00000;
constexpr unsigned kHoverEdit = 0xFFFF;
constexpr unsigned kHoverClose = 0xFF;
constexpr unsigned kClosePlain = 0x000000;

std::string std_text(const QString& text) {
  return text.toStdString();
}

}  // namespace

ArchiveWindow::ArchiveWindow(const std::filesystem::path& folder, QWidget* owner,
                             EndProgram endProgram)
    : editor_(folder), owner_(owner), endProgram_(std::move(endProgram)) {
  if (!endProgram_) endProgram_ = [] { std::exit(EXIT_FAILURE); };
  setObjectName(QStringLiteral("NewDate"));
  setWindowTitle(QStringLiteral("Archivio"));
  setWindowIcon(toolkit::window_icon());
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  toolkit::set_client_size_twips(this, kClientWidthTwips, kClientHeightTwips);
  toolkit::keep_on_top(this);

  buildDecoration();
  buildControls();

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTimer1Milliseconds);
  connect(timer1_, &QTimer::timeout, this, &ArchiveWindow::timer1Tick);

  load();
  timer1Tick();
  timer1_->start();
  toolkit::center_on(this, owner_);
}

ArchiveWindow* ArchiveWindow::open(const std::filesystem::path& folder, QWidget* owner) {
  auto* window = new ArchiveWindow(folder, owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  toolkit::center_on(window, owner);
  return window;
}

// Shapes first: controls made later lie in front of them.
void ArchiveWindow::buildDecoration() {
  add_shape(this, QStringLiteral("Shape1"), {0, 0, 6615, 375}, 0xFF0000);
  add_shape(this, QStringLiteral("Shape5"), {120, 3840, 6375, 1935}, 0xE0E0E0);
  add_shape(this, QStringLiteral("Shape3"), {-1320, 5880, 7935, 615}, 0xFF0000);
  add_shape(this, QStringLiteral("Shape4"), {5160, 5880, 1455, 615}, 0xFF8080);
  toolkit::Shape* frame = add_shape(this, QStringLiteral("Shape2"), {0, 0, 6615, 6495}, {});
  frame->setBorderColor(Qt::black);

  add_label(this, QStringLiteral("Label1"), QStringLiteral("GIORNARO DB"), {0, 0, 6735, 375},
            {layout_font(FontFamily::ArialBlack, 14.25), from_bgr(0x00FFFF), std::nullopt,
             Qt::AlignHCenter});
}

void ArchiveWindow::buildControls() {
  using Part = toolkit::ControlRow::Part;
  constexpr FontFamily kSans = FontFamily::MsSansSerif;
  constexpr FontFamily kHeavy = FontFamily::ArialBlack;
  constexpr auto kLeft = Qt::AlignLeft;
  constexpr auto kCentre = Qt::AlignHCenter;
  // The captions and the label-buttons under the fields.
  // clang-format off
  static constexpr toolkit::ControlRow kCaptions[] = {
      {Part::label,  "Label6",  "Data:",        {240, 3950, 495, 255},   kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Label7",  "Tipo:",        {1920, 3950, 495, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Label9",  "Ricerca:",     {3960, 3960, 735, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Label8",  "Avvenimento:", {240, 4200, 1215, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Label10", "Tot. Record:", {240, 5535, 1095, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Rec",     "0",            {1440, 5535, 855, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Label3",  "Fnd. Record:", {4320, 5535, 1215, 255}, kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::label,  "Fin",     "0",            {5520, 5535, 855, 255},  kSans,  8.25, true,  toolkit::kBlack,             toolkit::kNoColour, kLeft,   true},
      {Part::button, "Label4",  "Inserisci",    {240, 6000, 1335, 375},  kHeavy, 12,   false, toolkit::bgr(kButtonPlain),  toolkit::kNoColour, kCentre, true},
      {Part::button, "Label5",  "Cancella",     {3600, 6000, 1335, 375}, kHeavy, 12,   false, toolkit::bgr(kButtonPlain),  toolkit::kNoColour, kCentre, true},
      {Part::button, "Label2",  "Fine",         {5280, 6000, 1215, 375}, kHeavy, 12,   false, toolkit::bgr(kClosePlain),   toolkit::kNoColour, kCentre, true},
  };
  // clang-format on
  enum Caption { kRec = 5, kFin = 7, kLabel4 = 8, kLabel5 = 9, kLabel2 = 10 };
  std::vector<QWidget*> made;
  for (const toolkit::ControlRow& row : kCaptions) made.push_back(toolkit::make_control(this, row));
  rec_ = qobject_cast<QLabel*>(made[kRec]);
  fin_ = qobject_cast<QLabel*>(made[kFin]);
  label4_ = qobject_cast<toolkit::LabelButton*>(made[kLabel4]);
  label5_ = qobject_cast<toolkit::LabelButton*>(made[kLabel5]);
  label2_ = qobject_cast<toolkit::LabelButton*>(made[kLabel2]);

  const QFont field_font = layout_font(FontFamily::MsSansSerif, 8.25);

  list1_ = new toolkit::ListBox(toolkit::ListBox::Mode::Single, this);
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setFont(layout_font(FontFamily::CourierNew, 8.25));
  list1_->setColours(from_bgr(0xC0FFFF), Qt::black);
  list1_->viewport()->setCursor(toolkit::button_cursor());
  list1_->setToolTip(QStringLiteral(
      "Seleziona per Cancellare. Per MODIFICARE, Elimina il record e reinseriscilo."));
  toolkit::place_twips(list1_, {120, 420, 6375, 3345});

  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFont(field_font);
  text1_->setMaxLength(10);
  text1_->setToolTip(QStringLiteral("Inserire la data: GG/MM/AAAA"));
  toolkit::place_twips(text1_, {720, 3920, 975, 285});

  tipo_ = new QComboBox(this);
  tipo_->setObjectName(QStringLiteral("Tipo"));
  tipo_->setFont(field_font);
  tipo_->setEditable(true);
  tipo_->setInsertPolicy(QComboBox::NoInsert);
  tipo_->setCompleter(nullptr);
  toolkit::place_twips(tipo_, {2400, 3920, 1180, 315});

  text3_ = new QLineEdit(this);
  text3_->setObjectName(QStringLiteral("Text3"));
  text3_->setFont(field_font);
  text3_->setMaxLength(5);
  text3_->setToolTip(QStringLiteral("Inserire Giorno e Mese (GGMM)"));
  toolkit::place_twips(text3_, {4800, 3920, 495, 285});

  command1_ = new QPushButton(QStringLiteral("GO"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setFont(field_font);
  command1_->setToolTip(QStringLiteral("Avvia la Ricerca"));
  toolkit::place_twips(command1_, {5340, 3920, 495, 315});

  command2_ = new QPushButton(QStringLiteral("RST"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setFont(field_font);
  command2_->setToolTip(QStringLiteral("Resetta. Visualizza tutto."));
  toolkit::place_twips(command2_, {5880, 3920, 495, 315});

  text2_ = new QPlainTextEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setFont(field_font);
  text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text2_->setTabChangesFocus(true);
  toolkit::place_twips(text2_, {240, 4440, 6135, 1095});

  auto* label13 = new QLabel(this);
  label13->setObjectName(QStringLiteral("Label13"));
  label13->setCursor(toolkit::button_cursor());
  toolkit::place_twips(label13, {0, 0, 1095, 375});

  // Mouse moves over these, and the focus coming to Text2, put "Fine" back
  // to its plain colour; Text2 also refuses "*" and Enter.
  for (QWidget* watched : {static_cast<QWidget*>(list1_->viewport()), static_cast<QWidget*>(text1_),
                           text2_->viewport()}) {
    watched->setMouseTracking(true);
    watched->installEventFilter(this);
  }
  text2_->installEventFilter(this);

  connect(list1_, &toolkit::ListBox::rowClicked, this, &ArchiveWindow::list1Clicked);
  connect(text3_, &QLineEdit::textChanged, this, &ArchiveWindow::text3Changed);
  connect(command1_, &QPushButton::clicked, this, &ArchiveWindow::search);
  connect(command2_, &QPushButton::clicked, this, &ArchiveWindow::resetSearch);
  connect(label4_, &toolkit::LabelButton::clicked, this, &ArchiveWindow::insertRecord);
  connect(label5_, &toolkit::LabelButton::clicked, this, &ArchiveWindow::deleteRecord);
  connect(label2_, &toolkit::LabelButton::clicked, this, &QWidget::close);
  connect(label4_, &toolkit::LabelButton::mouseMoved, this, &ArchiveWindow::label4Hover);
  connect(label5_, &toolkit::LabelButton::mouseMoved, this, &ArchiveWindow::label5Hover);
  connect(label2_, &toolkit::LabelButton::mouseMoved, this, &ArchiveWindow::label2Hover);
}

void ArchiveWindow::load() {
  try {
    editor_.FullDB();
  } catch (const LoadFailure&) {
    // Carica reads the same file next and reports it.
  }
  command1_->setEnabled(false);
  command2_->setEnabled(false);
  tipo_->clear();
  for (const std::string& item : category_items()) tipo_->addItem(qt_text(item));
  tipo_->setEditText({});
  try {
    editor_.Carica();
  } catch (const LoadFailure& failure) {
    fatalLoadFailure(failure);
  }
  showLists();
}

void ArchiveWindow::showLists() {
  ListRows rows;
  rows.reserve(editor_.List1().size());
  for (const std::string& line : editor_.List1()) rows.push_back({line, false});
  list1_->setRows(rows);
  rec_->setText(QString::number(editor_.Rec()));
  fin_->setText(QString::number(editor_.Fin()));
  text3_->setEnabled(editor_.search_key_enabled());
}

void ArchiveWindow::refuse(QWidget* focus) {
  toolkit::beep();
  emit beeped();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
}

void ArchiveWindow::fatalLoadFailure(const LoadFailure& failure) {
  // The box says only that the program ends; the reason goes to the
  // standard error, where it can be read afterwards.
  std::cerr << "giornaro: Errore Grave: " << failure.what() << std::endl;
  toolkit::critical_message(this, QStringLiteral("Errore Grave"),
                            QString::fromUtf8("Il programma verrà terminato!"));
  endProgram_();
}

void ArchiveWindow::timer1Tick() {
  editable_ = !text1_->text().isEmpty() && !tipo_->currentText().isEmpty() &&
              !text2_->toPlainText().isEmpty();
  const QColor look = from_bgr(editable_ ? kButtonPlain : kUnavailable);
  toolkit::set_text_colour(label4_, look);
  toolkit::set_text_colour(label5_, look);
}

void ArchiveWindow::list1Clicked(int row) {
  if (row < 0 || row >= static_cast<int>(editor_.List1().size())) return;
  const EditorFields fields = fields_of_line(editor_.List1()[static_cast<std::size_t>(row)]);
  text1_->setText(qt_text(fields.Text1));
  tipo_->setEditText(qt_text(fields.Tipo));
  text2_->setPlainText(qt_text(fields.Text2));
}

void ArchiveWindow::text3Changed() {
  const bool enabled = editor_.search_buttons_enabled(std_text(text3_->text()));
  command1_->setEnabled(enabled);
  command2_->setEnabled(enabled);
}

void ArchiveWindow::insertRecord() {
  if (!editable_) return;
  AddResult result{AddOutcome::Added, {}};
  try {
    result = editor_.add(std_text(text1_->text()), std_text(tipo_->currentText()),
                         std_text(text2_->toPlainText()));
  } catch (const LoadFailure& failure) {
    fatalLoadFailure(failure);
    showLists();
    return;
  } catch (const Failure& failure) {
    refuse(nullptr);
    toolkit::critical_message(
        this, QStringLiteral("Archivio"),
        QString::fromUtf8("Il record non è stato salvato.\n") + QString::fromUtf8(failure.what()));
    return;
  }
  tipo_->setEditText(qt_text(result.Tipo));
  switch (result.outcome) {
    case AddOutcome::BadDate:
      refuse(text1_);
      return;
    case AddOutcome::BadCategory:
      refuse(tipo_);
      return;
    case AddOutcome::BadCharacter:
      refuse(nullptr);
      toolkit::critical_message(
          this, QStringLiteral("Archivio"),
          QString::fromUtf8("Il record non è stato salvato: il carattere \u00AB") +
              qt_text(result.character) +
              QString::fromUtf8("\u00BB non può essere scritto in NewData.txt, che usa la "
                                "codifica Windows-1252. Toglilo dal testo o sostituiscilo."));
      text2_->setFocus(Qt::OtherFocusReason);
      return;
    case AddOutcome::Added:
      showLists();
      return;
  }
}

void ArchiveWindow::deleteRecord() {
  try {
    const int dropped = editor_.remove(std_text(text1_->text()), std_text(tipo_->currentText()),
                                       std_text(text2_->toPlainText()));
    if (dropped == 0) {
      showLists();
      refuse(nullptr);
      toolkit::critical_message(
          this, QStringLiteral("Archivio"),
          QString::fromUtf8("Nessun record ha esattamente questi Data, Tipo e "
                            "Avvenimento: non è stato cancellato nulla."));
      return;
    }
  } catch (const Failure& failure) {
    refuse(nullptr);
    toolkit::critical_message(this, QStringLiteral("Archivio"),
                              QString::fromUtf8("Il record non è stato cancellato: l'archivio è "
                                                "rimasto com'era.\n") +
                                  QString::fromUtf8(failure.what()));
  }
  showLists();
}

void ArchiveWindow::search() {
  if (!editor_.search(std_text(text3_->text()))) {
    fin_->setText(QString::number(editor_.Fin()));
    refuse(text3_);
    return;
  }
  showLists();
}

void ArchiveWindow::resetSearch() {
  text3_->clear();
  try {
    editor_.reset();
  } catch (const LoadFailure& failure) {
    fatalLoadFailure(failure);
  }
  showLists();
}

void ArchiveWindow::label4Hover() {
  label2Plain();
  if (!editable_) return;
  toolkit::set_text_colour(label4_, from_bgr(kHoverEdit));
  toolkit::set_text_colour(label5_, from_bgr(kButtonPlain));
}

void ArchiveWindow::label5Hover() {
  if (!editable_) return;
  label2Plain();
  toolkit::set_text_colour(label4_, from_bgr(kButtonPlain));
  toolkit::set_text_colour(label5_, from_bgr(kHoverEdit));
}

void ArchiveWindow::label2Hover() {
  toolkit::set_text_colour(label2_, from_bgr(kHoverClose));
}

void ArchiveWindow::label2Plain() {
  toolkit::set_text_colour(label2_, from_bgr(kClosePlain));
}

void ArchiveWindow::closeEvent(QCloseEvent* event) {
  timer1_->stop();
  event->accept();
  emit closed();
}

bool ArchiveWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      label2Plain();
      break;
    case QEvent::FocusIn:
      if (watched == text2_) label2Plain();
      break;
    case QEvent::KeyPress:
      if (watched == text2_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->text() == QStringLiteral("*")) {
          refuse(nullptr);
          return true;
        }
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace giornaro::archive
