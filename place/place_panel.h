// The place panel `sceltac` of the main window: the sorted, striped list of
// places `luogo2`, the picked name `Lsel` and the button "OK" (`Label15`).
// It shows values the core computes (the rows and their stripes, the short
// name) and reports the confirmation; the main window has the core write the
// choice and recompute the sun.
#pragma once

#include <QFrame>
#include <QString>
#include <string>

#include "runtime/list_rows.h"

class QLabel;

namespace giornaro::toolkit {
class LabelButton;
class ListBox;
class Shape;
}  // namespace giornaro::toolkit

namespace giornaro::place {

class PlacePanel : public QFrame {
  Q_OBJECT

 public:
  explicit PlacePanel(QWidget* parent = nullptr);

  // The rows of `luogo2` as start-up leaves them (sorted, striped).
  void setPlaces(const ListRows& rows);

  // A click on the current place: its row becomes the list's current row,
  // which picks it, and the panel shows.
  void open(const std::string& current_place);

  // The shape behind "OK", whose colour the main window's timer restores.
  toolkit::Shape* okShape() const { return shape15_; }

  // The name last picked in the list; empty until the first pick.
  const std::string& picked() const { return picked_; }

 signals:
  // "OK" was pressed; the receiver confirms `picked` and hides the panel.
  void confirmRequested(const std::string& picked);

 private:
  void pickRow(int row);
  void okMouseMoved();

  toolkit::ListBox* luogo2_;
  QLabel* lsel_;
  toolkit::LabelButton* label15_;
  toolkit::Shape* shape15_;
  ListRows rows_;
  std::string picked_;
};

}  // namespace giornaro::place
