#include "toolkit/list_box.h"

#include <QKeyEvent>

namespace giornaro::toolkit {
namespace {

// The highlight of flagged rows, the same with or without the focus.
const QColor kHighlight(0x31, 0x6A, 0xC5);
const QColor kHighlightedText(Qt::white);

}  // namespace

ListBox::ListBox(Mode mode, QWidget* parent) : QListWidget(parent), mode_(mode) {
  setSelectionMode(mode == Mode::FlagsFromCode ? QAbstractItemView::MultiSelection
                                               : QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideNone);
  setUniformItemSizes(true);
  setWordWrap(false);
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Highlight, kHighlight);
    colours.setColor(group, QPalette::HighlightedText, kHighlightedText);
  }
  setPalette(colours);
  connect(this, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void ListBox::setRows(const ListRows& rows) {
  clear();
  for (const ListRow& row : rows) {
    auto* item = new QListWidgetItem(QString::fromStdString(row.text), this);
    item->setSelected(row.selected);
  }
}

void ListBox::setFlags(const ListRows& rows) {
  const int n = std::min(count(), static_cast<int>(rows.size()));
  for (int i = 0; i < n; ++i) item(i)->setSelected(rows[static_cast<std::size_t>(i)].selected);
}

bool ListBox::rowSelected(int row) const {
  const QListWidgetItem* it = item(row);
  return it && it->isSelected();
}

void ListBox::setColours(const QColor& back, const QColor& text) {
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, back);
    colours.setColor(group, QPalette::Text, text);
  }
  setPalette(colours);
}

void ListBox::setCurrentRowFromCode(int row) {
  if (row < 0 || row >= count() || row == currentRow()) return;
  if (mode_ == Mode::FlagsFromCode) {
    setCurrentRow(row, QItemSelectionModel::NoUpdate);
  } else {
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  }
  emit rowClicked(row);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  if (mode_ == Mode::FlagsFromCode && event) return QItemSelectionModel::NoUpdate;
  return QListWidget::selectionCommand(index, event);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  if (mode_ == Mode::FlagsFromCode && event->matches(QKeySequence::SelectAll)) {
    event->accept();
    return;
  }
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before && currentRow() >= 0) emit rowClicked(currentRow());
}

}  // namespace giornaro::toolkit
