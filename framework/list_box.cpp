// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <utility>

#include "framework/event_watcher.h"
#include "framework/list_box_model.h"
#include "framework/qt_conversions.h"

namespace fw {

ListBox::ListBox(QTableView* view, std::string name, int columnCount)
    : Control(view, std::move(name), -1), view_(view), model_(std::make_unique<RowsModel>(columnCount)) {
  view_->setModel(model_.get());
  // Keeps the column widths at their shares when the list's viewport changes size.
  watchEvents(view_->viewport(), [this](QEvent* event) {
    if (event->type() == QEvent::Resize) applyColumnWidths();
    return false;
  });
  QHeaderView* header = view_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  QObject::connect(header, &QHeaderView::sectionClicked, view_, [this](int column) { sortByHeadingClick(column); });
}

ListBox::~ListBox() = default;

int ListBox::columnCount() const { return model_->columnCount(); }
int ListBox::rowCount() const { return model_->rowCount(); }

void ListBox::setHeadings(const std::string& tabSeparated) {
  model_->setHeadings(toQ(tabSeparated).split(QChar('\t')));
}


void ListBox::setColumnWidths(std::vector<int> percents) {
  widthPercents_ = std::move(percents);
  applyColumnWidths();
}

void ListBox::applyColumnWidths() {
  const int total = view_->viewport()->width();
  int used = 0;
  for (std::size_t column = 0; column < widthPercents_.size(); ++column) {
    const bool last = column + 1 == widthPercents_.size();
    const int width = last ? total - used : total * widthPercents_[column] / 100;
    view_->horizontalHeader()->resizeSection(static_cast<int>(column), width);
    used += width;
  }
}

void ListBox::addRow(const std::string& firstCell) {
  RowTable row(columnCount());
  row.add({firstCell});
  addRows(std::move(row));
}

void ListBox::addRows(RowTable&& rows) {
  const std::size_t added = rows.size();
  model_->appendRows(std::move(rows));
  if (added > 0) lastIndex_ = model_->rowCount() - 1;
}

int ListBox::lastIndex() const { return lastIndex_; }

std::string_view ListBox::cell(int row, int column) const {
  return model_->rows().cell(static_cast<std::size_t>(row), column);
}

const RowTable& ListBox::rows() const { return model_->rows(); }

void ListBox::setCell(int row, int column, const std::string& text) { model_->setCell(row, column, text); }

void ListBox::removeRow(int row) {
  model_->removeRow(row);
  if (lastIndex_ >= row) --lastIndex_;
}

int ListBox::sortColumn() const { return model_->sortColumn; }

void ListBox::sortByHeadingClick(int column) {
  if (column == model_->sortColumn) {
    model_->sortOrder = model_->sortOrder == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
  }
  model_->sortColumn = column;
  view_->clearSelection();
  model_->sortBy(column, model_->sortOrder);
  QHeaderView* header = view_->horizontalHeader();
  header->setSortIndicator(column, model_->sortOrder == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  header->setSortIndicatorShown(true);
}

void ListBox::setCellClickHandler(CellClickHandler handler) {
  if (!cellClick_) {
    // The second click of a double click would act on the row that moved up
    // under the pointer after the first click removed its row.
    watchEvents(view_->viewport(), [this](QEvent* event) {
      if (event->type() == QEvent::MouseButtonPress) inDoubleClick_ = false;
      if (event->type() == QEvent::MouseButtonDblClick) inDoubleClick_ = true;
      return false;
    });
    watchEvents(view_, [this](QEvent* event) {
      if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) return false;
      clickCurrentCell();
      return true;
    });
    QObject::connect(view_, &QTableView::clicked, view_, [this](const QModelIndex& index) {
      if (std::exchange(inDoubleClick_, false)) return;
      const QPoint at = view_->viewport()->mapFromGlobal(QCursor::pos()) - view_->visualRect(index).topLeft();
      cellClick_(index.row(), index.column(), at.x(), at.y());
    });
  }
  cellClick_ = std::move(handler);
}

void ListBox::clickCurrentCell() {
  const QModelIndex current = view_->currentIndex();
  if (current.isValid() && cellClick_) cellClick_(current.row(), current.column(), 0, 0);
}

}  // namespace fw
