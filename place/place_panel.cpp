#include "place/place_panel.h"

#include <QLabel>
#include <vector>

#include "place/place_file.h"
#include "toolkit/colors.h"
#include "toolkit/label_button.h"
#include "toolkit/layout.h"
#include "toolkit/list_box.h"
#include "toolkit/shape.h"
#include "toolkit/window.h"

namespace giornaro::place {
namespace {

using toolkit::from_bgr;

using Part = toolkit::ControlRow::Part;
constexpr toolkit::FontFamily kArial = toolkit::FontFamily::Arial;

// Inside the panel (2295 x 3375 twips), back to front.
// clang-format off
constexpr toolkit::ControlRow kControls[] = {
    {Part::shape,           "Shape18", nullptr,            {90, 120, 2115, 255},  kArial, 0, false,
     toolkit::kNoColour, toolkit::bgr(0xFF), Qt::AlignLeft, true},
    {Part::label,           "Label14", "SELEZIONE CITTA'", {90, 120, 2115, 255},  kArial, 8.25, true,
     toolkit::kWhite, toolkit::kNoColour, Qt::AlignHCenter, true},
    {Part::list,            "luogo2",  nullptr,            {120, 435, 2055, 2160}, kArial, 8.25, true,
     toolkit::kWhite, toolkit::bgr(0xC00000), Qt::AlignLeft, true},
    {Part::text,            "Lsel",    "ROMA",             {120, 2655, 2055, 255}, kArial, 9, true,
     toolkit::bgr(0xFFFF), toolkit::kNoColour, Qt::AlignHCenter, true},
    {Part::rounded_backing, "Shape15", nullptr,            {720, 2955, 855, 330},  kArial, 0, false,
     toolkit::kNoColour, toolkit::bgr(0xC0C0FF), Qt::AlignLeft, true},
    {Part::button,          "Label15", "OK",               {720, 2955, 855, 330},  toolkit::FontFamily::ArialBlack, 12, false,
     toolkit::bgr(0xC0), toolkit::kNoColour, Qt::AlignHCenter, true},
};
// clang-format on
enum Row { kShape18, kLabel14, kLuogo2, kLsel, kShape15, kLabel15, kRowCount };
static_assert(std::size(kControls) == kRowCount);

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

  std::vector<QWidget*> made;
  for (const toolkit::ControlRow& row : kControls) made.push_back(toolkit::make_control(this, row));
  luogo2_ = qobject_cast<toolkit::ListBox*>(made[kLuogo2]);
  lsel_ = qobject_cast<QLabel*>(made[kLsel]);
  shape15_ = qobject_cast<toolkit::Shape*>(made[kShape15]);
  label15_ = qobject_cast<toolkit::LabelButton*>(made[kLabel15]);
  toolkit::stack_front_to_back({made.rbegin(), made.rend()});

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
