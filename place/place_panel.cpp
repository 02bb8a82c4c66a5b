#include "place/place_panel.h"

#include "place/place_file.h"
#include "toolkit/colors.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/label_button.h"
#include "toolkit/list_box.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/window.h"

namespace giornaro::place {
namespace {

using toolkit::from_bgr;
using toolkit::TwipsRect;

// Inside the panel (2295 x 3375 twips).
constexpr TwipsRect kTitleBar{90, 120, 2115, 255};
constexpr TwipsRect kList{120, 435, 2055, 2160};
constexpr TwipsRect kPicked{120, 2655, 2055, 255};
constexpr TwipsRect kOk{720, 2955, 855, 330};

constexpr unsigned kPanelBack = 0xC0;
constexpr unsigned kOkHover = 0xFF;

}  // namespace

PlacePanel::PlacePanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("sceltac"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, from_bgr(kPanelBack));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);

  auto* shape18 = new toolkit::Shape(toolkit::Shape::Kind::Rectangle, this);
  shape18->setObjectName(QStringLiteral("Shape18"));
  shape18->setFillColor(from_bgr(0xFF));
  toolkit::place_twips(shape18, kTitleBar);

  auto* label14 = new QLabel(QStringLiteral("SELEZIONE CITTA'"), this);
  label14->setObjectName(QStringLiteral("Label14"));
  toolkit::apply_look(label14, {toolkit::layout_font(toolkit::FontFamily::Arial, 8.25, true),
                                Qt::white, std::nullopt, Qt::AlignHCenter});
  label14->setAttribute(Qt::WA_TransparentForMouseEvents);
  toolkit::place_twips(label14, kTitleBar);

  luogo2_ = new toolkit::ListBox(toolkit::ListBox::Mode::FlagsFromCode, this);
  luogo2_->setObjectName(QStringLiteral("luogo2"));
  luogo2_->setFont(toolkit::layout_font(toolkit::FontFamily::Arial, 8.25, true));
  luogo2_->setColours(from_bgr(0xC00000), from_bgr(0xFFFFFF));
  toolkit::place_twips(luogo2_, kList);

  lsel_ = new QLabel(QStringLiteral("ROMA"), this);
  lsel_->setObjectName(QStringLiteral("Lsel"));
  toolkit::apply_look(lsel_, {toolkit::layout_font(toolkit::FontFamily::Arial, 9, true),
                              from_bgr(0xFFFF), std::nullopt, Qt::AlignHCenter});
  toolkit::place_twips(lsel_, kPicked);

  shape15_ = new toolkit::Shape(toolkit::Shape::Kind::RoundedRectangle, this);
  shape15_->setObjectName(QStringLiteral("Shape15"));
  shape15_->setBackColor(from_bgr(0xC0C0FF));
  toolkit::place_twips(shape15_, kOk);

  label15_ = new toolkit::LabelButton(QStringLiteral("OK"), this);
  label15_->setObjectName(QStringLiteral("Label15"));
  toolkit::apply_look(label15_, {toolkit::layout_font(toolkit::FontFamily::ArialBlack, 12),
                                 from_bgr(0xC0), std::nullopt, Qt::AlignHCenter});
  toolkit::place_twips(label15_, kOk);

  toolkit::stack_front_to_back({label15_, shape15_, lsel_, luogo2_, label14, shape18});

  connect(luogo2_, &toolkit::ListBox::rowClicked, this, &PlacePanel::pickRow);
  connect(label15_, &toolkit::LabelButton::clicked, this,
          [this] { emit confirmRequested(picked_); });
  connect(label15_, &toolkit::LabelButton::mouseMoved, this, &PlacePanel::okMouseMoved);
}

void PlacePanel::setPlaces(const ListRows& rows) {
  rows_ = rows;
  luogo2_->setRows(rows_);
}

void PlacePanel::open(const std::string& current_place) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].text == current_place) {
      luogo2_->setCurrentRowFromCode(static_cast<int>(i));
      break;
    }
  }
  show();
  raise();
}

void PlacePanel::pickRow(int row) {
  apply_stripes(rows_);
  luogo2_->setFlags(rows_);
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return;
  picked_ = rows_[static_cast<std::size_t>(row)].text;
  lsel_->setText(QString::fromStdString(short_place_name(picked_)));
}

void PlacePanel::okMouseMoved() {
  shape15_->setBackColor(from_bgr(kOkHover));
}

}  // namespace giornaro::place
