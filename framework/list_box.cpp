// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "framework/accessibility.h"
#include "framework/event_watcher.h"
#include "framework/list_box_model.h"

namespace fw {

ListHeading::ListHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setObjectName("headingRow");
  setFocusPolicy(Qt::TabFocus);
}

QRect ListHeading::focusedPart() const {
  return {sectionViewportPosition(chosen_), 0, sectionSize(chosen_), height()};
}

void ListHeading::choose(int section) {
  const int last = count() - 1;
  chosen_ = std::clamp(section, 0, std::max(last, 0));
  FocusRing::refresh(this);
  tellHeadingFocused(this, chosen_);
}

void ListHeading::focusInEvent(QFocusEvent* event) {
  QHeaderView::focusInEvent(event);
  // After Qt's own word of the focus, which names the row's widget.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) tellHeadingFocused(this, chosen_);
  });
}

void ListHeading::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: choose(chosen_ - 1); return;
    case Qt::Key_Right: choose(chosen_ + 1); return;
    case Qt::Key_Home: choose(0); return;
    case Qt::Key_End: choose(count() - 1); return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit sectionClicked(chosen_); return;
    default: QHeaderView::keyPressEvent(event);
  }
}

ListBox::ListBox(QWidget* parent, int columnCount)
    : QTableView(parent), model_(std::make_unique<RowsModel>(columnCount)) {
  setHorizontalHeader(new ListHeading(this));
  // The headings come before the rows, as they stand.
  QWidget::setTabOrder(horizontalHeader(), this);
  setModel(model_.get());
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  // Tab leaves the list; the arrow keys move within it.
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  // A fixed row height keeps huge lists quick: no row is measured.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSortIndicatorShown(false);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { sortByHeadingClick(column); });

  // Keeps the column widths at their shares when the list's viewport changes size.
  watchEvents(viewport(), [this](QEvent* event) {
    if (event->type() == QEvent::Resize) applyColumnWidths();
    // The second click of a double click would act on the row that moved up
    // under the pointer after the first click removed its row.
    if (event->type() == QEvent::MouseButtonPress) inDoubleClick_ = false;
    if (event->type() == QEvent::MouseButtonDblClick) inDoubleClick_ = true;
    return false;
  });
  watchEvents(this, [this](QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) return false;
    if (currentIndex().isValid() && rowClicked_) rowClicked_(currentIndex().row());
    return true;
  });
  connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
    if (std::exchange(inDoubleClick_, false)) return;
    if (rowClicked_) rowClicked_(index.row());
  });
}

ListBox::~ListBox() = default;

void ListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  QTableView::changeEvent(event);
  // A style sheet come and gone leaves the heading row in a font of its own: it takes the list's again.
  if (event->type() == QEvent::StyleChange) {
    horizontalHeader()->setFont(font());
    updateGeometries();
  }
}

int ListBox::rowCount() const { return model_->rowCount(); }

void ListBox::setHeadings(const QStringList& headings) { model_->setHeadings(headings); }

void ListBox::setColumnWidths(std::vector<int> percents) {
  widthPercents_ = std::move(percents);
  applyColumnWidths();
}

void ListBox::applyColumnWidths() {
  const int total = viewport()->width();
  int used = 0;
  for (std::size_t column = 0; column < widthPercents_.size(); ++column) {
    const bool last = column + 1 == widthPercents_.size();
    const int width = last ? total - used : total * widthPercents_[column] / 100;
    horizontalHeader()->resizeSection(static_cast<int>(column), width);
    used += width;
  }
}

void ListBox::appendRow(std::initializer_list<std::string_view> cells) {
  RowTable row(model_->columnCount());
  row.add(cells);
  appendRows(std::move(row));
  tellRowAdded(this, rowCount() - 1);
}

void ListBox::appendRows(RowTable&& rows) { model_->appendRows(std::move(rows)); }

std::string_view ListBox::cell(int row, int column) const {
  return model_->rows().cell(static_cast<std::size_t>(row), column);
}

const RowTable& ListBox::rows() const { return model_->rows(); }

void ListBox::removeRow(int row) { model_->removeRow(row); }

void ListBox::sortByHeadingClick(int column) {
  if (column == model_->sortColumn) {
    model_->sortOrder = model_->sortOrder == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
  }
  model_->sortColumn = column;
  clearSelection();
  model_->sortBy(column, model_->sortOrder);
  horizontalHeader()->setSortIndicator(
      column, model_->sortOrder == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  horizontalHeader()->setSortIndicatorShown(true);
}

void ListBox::setRowClickHandler(std::function<void(int row)> handler) { rowClicked_ = std::move(handler); }

}  // namespace fw
