// A list box over QListWidget with the behaviour the windows rely on:
//
// - rowClicked(row) runs for a user's click on a row, for the keyboard moving
//   the current row, and for setCurrentRowFromCode() when it changes the
//   current row: code and user reach the same handler.
// - In FlagsFromCode mode several rows can be selected and every flagged row
//   is shown highlighted, focused or not; only code sets the flags (a click
//   moves the current row and leaves the flags for the handler to set).
// - In Single mode a click selects the clicked row, as in an ordinary list.
// - Rows are kept in the order given (sorted lists are sorted by the core);
//   long rows are cut at the right edge, with no horizontal scrolling.
#pragma once

#include <QListWidget>

#include "runtime/list_rows.h"

namespace giornaro::toolkit {

class ListBox : public QListWidget {
  Q_OBJECT

 public:
  enum class Mode { Single, FlagsFromCode };

  explicit ListBox(Mode mode, QWidget* parent = nullptr);

  Mode mode() const { return mode_; }

  // Replaces every row with `rows`, texts and selected flags.
  void setRows(const ListRows& rows);
  // Sets the selected flag of row i from rows[i] (rows beyond either end are
  // left alone).
  void setFlags(const ListRows& rows);
  bool rowSelected(int row) const;

  // Back colour and text colour of the rows.
  void setColours(const QColor& back, const QColor& text);

  // Makes `row` the current row as a click would, running rowClicked when
  // the current row changes. A row out of range is ignored.
  void setCurrentRowFromCode(int row);

 signals:
  void rowClicked(int row);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Mode mode_;
};

}  // namespace giornaro::toolkit
