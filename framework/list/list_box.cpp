// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list/list_box.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <new>
#include <utility>

#include "framework/list/list_events.h"
#include "framework/window/event_watcher.h"
#include "framework/window/message_dialog.h"
#include "framework/window/widgets.h"

namespace fw {

namespace {

constexpr int kGridLine = 1;  // a grid line ends each row and each column

}  // namespace

ListHeading::ListHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setObjectName("headingRow");
  setFocusPolicy(Qt::TabFocus);
  takeReturn(this);
  connect(this, &QHeaderView::sectionClicked, this, &ListHeading::sortBy);
}

void ListHeading::sortBy(int column) {
  // Qt's header turns its indicator on a click before it says so, and to
  // ascending on a heading it was not on: the list's order is chosen from
  // the indicator as it was.
  if (clicking_) {
    const QSignalBlocker quiet(this);
    setSortIndicator(indicatorSection_, indicatorOrder_);
  }
  const bool sorted = isSortIndicatorShown();
  Qt::SortOrder order = sorted ? sortIndicatorOrder() : Qt::AscendingOrder;
  if (sorted && column == sortIndicatorSection()) order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  emit sortAsked(column, order);
}

void ListHeading::mousePressEvent(QMouseEvent* event) {
  indicatorSection_ = sortIndicatorSection();
  indicatorOrder_ = sortIndicatorOrder();
  QHeaderView::mousePressEvent(event);
}

void ListHeading::mouseReleaseEvent(QMouseEvent* event) {
  clicking_ = true;
  QHeaderView::mouseReleaseEvent(event);
  clicking_ = false;
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

void ListHeading::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: choose(chosen_ - 1); return;
    case Qt::Key_Right: choose(chosen_ + 1); return;
    case Qt::Key_Home: choose(0); return;
    case Qt::Key_End: choose(count() - 1); return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: sortBy(chosen_); return;
    default: QHeaderView::keyPressEvent(event);
  }
}

ListBox::ListBox(QWidget* parent)
    : QAbstractItemView(parent), header_(new ListHeading(this)), rowHeight_(fontMetrics().height() + 4) {
  // The headings come before the rows, as they stand.
  QWidget::setTabOrder(header_, this);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the list; the arrow keys move within it.
  setTabKeyNavigation(false);
  header_->setSectionResizeMode(QHeaderView::Fixed);
  header_->setHighlightSections(false);
  header_->setSectionsClickable(true);
  header_->setSortIndicatorShown(false);
  connect(header_, &ListHeading::sortAsked, this, &ListBox::sort);
  connect(header_, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
  connect(header_, &QHeaderView::geometriesChanged, this, &ListBox::updateGeometries);

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
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (std::exchange(inDoubleClick_, false)) return;
    if (rowClicked_) rowClicked_(index.row());
  });
}

ListBox::~ListBox() = default;

void ListBox::showWork(const QString& what) {
  if (!work_) {
    work_ = new QLabel(viewport());
    work_->setAlignment(Qt::AlignCenter);
    work_->setAutoFillBackground(true);
    work_->setFrameShape(QFrame::Box);
    work_->hide();
    // What a reader hears of the work is told as news, by whoever knows what the list is.
    work_->setAccessibleName(QString());
    work_->setAttribute(Qt::WA_TransparentForMouseEvents);
    workDelay_ = new QTimer(this);
    workDelay_->setSingleShot(true);
    workDelay_->setInterval(500);
    connect(workDelay_, &QTimer::timeout, this, [this] {
      work_->setGeometry(0, viewport()->height() - rowHeight_ - 2, viewport()->width(), rowHeight_ + 2);
      work_->show();
      emit workShown(true);
    });
  }
  if (what.isEmpty()) {
    viewport()->unsetCursor();
    header_->viewport()->unsetCursor();
    workDelay_->stop();
    if (work_->isVisible()) {
      work_->hide();
      emit workShown(false);
    }
    return;
  }
  work_->setText(what);
  viewport()->setCursor(Qt::BusyCursor);
  header_->viewport()->setCursor(Qt::BusyCursor);
  if (!work_->isVisible() && !workDelay_->isActive()) workDelay_->start();
}

void ListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    // Fonts of their own, not inherited ones: a style sheet forced on every
    // application and dropped again gives back the fonts set on widgets, but
    // leaves its own in the heading row, and in the part it draws its headings on.
    header_->setFont(font());
    header_->viewport()->setFont(font());
    rowHeight_ = fontMetrics().height() + 4;
    updateGeometries();
    viewport()->update();
  }
  QAbstractItemView::changeEvent(event);
  // A style sheet come and gone leaves the heading row in a font of its own: it takes the list's again.
  if (event->type() == QEvent::StyleChange) {
    header_->setFont(font());
    header_->viewport()->setFont(font());
    updateGeometries();
  }
}

void ListBox::setModel(QAbstractItemModel* model) {
  if (this->model()) {
    disconnect(this->model(), &QAbstractItemModel::rowsRemoved, this, nullptr);
    disconnect(this->model(), &QAbstractItemModel::layoutChanged, this, nullptr);
  }
  QAbstractItemView::setModel(model);
  header_->setModel(model);
  connect(model, &QAbstractItemModel::rowsRemoved, this,
          [this](const QModelIndex&, int first, int last) { rowsRemoved(first, last); });
  // A sort moves the current row.
  connect(model, &QAbstractItemModel::layoutChanged, this, [this] {
    if (hasFocus()) FocusRing::refresh(this);
  });
  applyColumnWidths();
  updateGeometries();
}

int ListBox::rowCount() const { return model() ? model()->rowCount() : 0; }

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
    header_->resizeSection(static_cast<int>(column), width);
    used += width;
  }
}

void ListBox::selectRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  const QModelIndex index = model()->index(row, 0);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  selectionModel()->select(index, selectionCommand(index) | QItemSelectionModel::Rows);
}

void ListBox::sort(int column, Qt::SortOrder order) {
  if (!model()) return;
  clearSelection();
  try {
    model()->sort(column, order);
  } catch (const std::bad_alloc&) {
    tellSortFailed();
    return;
  }
  header_->setSortIndicator(column, order);
  header_->setSortIndicatorShown(true);
  emit sorted(column, order);
}

void ListBox::tellSortFailed() {
  MessageDialog dialog;
  dialog.icon = MessageDialog::Icon::Caution;
  dialog.message = QCoreApplication::translate("fw::ListBox", "The list could not be sorted.").toStdString();
  dialog.explanation = QCoreApplication::translate(
      "fw::ListBox", "There is not enough memory to sort it. Its rows are left in their order.").toStdString();
  dialog.cancelVisible = false;
  dialog.open();
}

void ListBox::setRowClickHandler(std::function<void(int row)> handler) { rowClicked_ = std::move(handler); }

// Rows all have one height, so their places are arithmetic.

int ListBox::verticalOffset() const {
  const QScrollBar* bar = verticalScrollBar();
  if (verticalScrollMode() == ScrollPerPixel) return bar->value();
  // Scrolled to the end, the last row stands at the bottom, as in Qt's tables.
  if (bar->maximum() > 0 && bar->value() == bar->maximum()) {
    return static_cast<int>(std::max(0LL, static_cast<long long>(rowCount()) * rowHeight_ - viewport()->height()));
  }
  return bar->value() * rowHeight_;
}

int ListBox::rowAt(int y) const {
  const long long position = static_cast<long long>(y) + verticalOffset();
  if (position < 0) return -1;
  const long long row = position / rowHeight_;
  return row < rowCount() ? static_cast<int>(row) : -1;
}

int ListBox::wholeRowsShown() const { return std::max(1, viewport()->height() / rowHeight_); }

QRect ListBox::visualRect(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != model()) return {};
  return QRect(header_->sectionViewportPosition(index.column()), index.row() * rowHeight_ - verticalOffset(),
               header_->sectionSize(index.column()) - kGridLine, rowHeight_ - kGridLine);
}

QModelIndex ListBox::indexAt(const QPoint& point) const {
  const int row = rowAt(point.y());
  const int column = header_->logicalIndexAt(point.x());
  return row >= 0 && column >= 0 ? model()->index(row, column) : QModelIndex();
}

void ListBox::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid()) return;
  QScrollBar* bar = verticalScrollBar();
  const QRect rect = visualRect(index);
  const int row = index.row();
  const bool perItem = verticalScrollMode() == ScrollPerItem;
  const int step = perItem ? 1 : rowHeight_;
  const int shown = perItem ? wholeRowsShown() : viewport()->height();
  const int rowTop = row * step;
  const int rowBottom = perItem ? row - shown + 1 : (row + 1) * rowHeight_ - shown;
  switch (hint) {
    case PositionAtTop: bar->setValue(rowTop); break;
    case PositionAtBottom: bar->setValue(rowBottom); break;
    case PositionAtCenter: bar->setValue((rowTop + rowBottom) / 2); break;
    case EnsureVisible:
      if (rect.top() < 0) {
        bar->setValue(rowTop);
      } else if (rect.bottom() >= viewport()->height()) {
        bar->setValue(rowBottom);
      }
      break;
  }
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int last = rowCount() - 1;
  if (last < 0) return {};
  const int lastColumn = model()->columnCount() - 1;
  if (lastColumn < 0) return {};
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return model()->index(0, 0);
  int row = current.row();
  int column = current.column();
  switch (action) {
    case MoveUp: row = std::max(0, row - 1); break;
    case MoveDown: row = std::min(last, row + 1); break;
    case MoveLeft:
    case MovePrevious: column = std::max(0, column - 1); break;
    case MoveRight:
    case MoveNext: column = std::min(lastColumn, column + 1); break;
    // A list of rows: Home and End go to its first and last row, with Ctrl or without.
    case MoveHome: row = 0; break;
    case MoveEnd: row = last; break;
    case MovePageUp: {
      const int above = rowAt(visualRect(current).bottom() - viewport()->height());
      row = above < 0 ? 0 : above;
      break;
    }
    case MovePageDown: {
      const int below = rowAt(visualRect(current).top() + viewport()->height());
      row = below < 0 ? last : below;
      break;
    }
  }
  return model()->index(row, column);
}

void ListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect area = rect.normalized();
  const QModelIndex from = indexAt(area.topLeft());
  const QModelIndex to = indexAt(area.bottomRight());
  if (!from.isValid() || !to.isValid()) return;
  selectionModel()->select(QItemSelection(from, to), command);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  for (const QItemSelectionRange& range : selection) {
    if (!range.isValid()) continue;
    const QRect from = visualRect(model()->index(range.top(), range.left()));
    const QRect to = visualRect(model()->index(range.bottom(), range.right()));
    region += (from | to) & viewport()->rect();
  }
  return region;
}

void ListBox::initViewItemOption(QStyleOptionViewItem* option) const {
  QAbstractItemView::initViewItemOption(option);
  option->showDecorationSelected = true;
}

void ListBox::drawCell(QPainter& painter, QStyleOptionViewItem option, const QModelIndex& index) const {
  if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
  if (option.state & QStyle::State_Enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
  if (index == currentIndex() && (hasFocus() || viewport()->hasFocus())) option.state |= QStyle::State_HasFocus;
  style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
  itemDelegateForIndex(index)->paint(&painter, option, index);
}

// Draws the rows in the damaged area, each cell by the item delegate as in
// Qt's tables, with a grid line closing each row and each column.
void ListBox::paintEvent(QPaintEvent* event) {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  QPainter painter(viewport());
  const int columns = model() ? model()->columnCount() : 0;
  if (rowCount() == 0 || columns == 0) return;
  const auto gridHint = static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this));
  const QPen gridPen(QColor::fromRgba(gridHint), 1, Qt::SolidLine);
  const long long rowsEnd = static_cast<long long>(rowCount()) * rowHeight_ - verticalOffset() - 1;
  const int columnsEnd = header_->length() - header_->offset() - 1;
  for (QRect area : event->region()) {
    area.setBottom(static_cast<int>(std::min<long long>(area.bottom(), rowsEnd)));
    area.setRight(std::min(area.right(), columnsEnd));
    if (!area.isValid()) continue;
    const int top = rowAt(area.top());
    const int bottom = rowAt(area.bottom());
    const int left = std::max(0, header_->logicalIndexAt(area.left()));
    int right = header_->logicalIndexAt(area.right());
    if (right < 0) right = columns - 1;
    if (top < 0 || bottom < 0) continue;
    for (int row = top; row <= bottom; ++row) {
      for (int column = left; column <= right; ++column) {
        const QModelIndex index = model()->index(row, column);
        option.rect = visualRect(index);
        drawCell(painter, option, index);
      }
    }
    const QPen old = painter.pen();
    painter.setPen(gridPen);
    for (int row = top; row <= bottom; ++row) {
      const int y = row * rowHeight_ - verticalOffset() + rowHeight_ - kGridLine;
      painter.drawLine(area.left(), y, area.right(), y);
    }
    for (int column = left; column <= right; ++column) {
      const int x = header_->sectionViewportPosition(column) + header_->sectionSize(column) - kGridLine;
      painter.drawLine(x, area.top(), x, area.bottom());
    }
    painter.setPen(old);
  }
}

void ListBox::updateGeometries() {
  // Setting the margins resizes the viewport, which lays out again.
  if (std::exchange(layingOut_, true)) return;
  const int headerHeight =
      header_->isHidden() ? 0 : std::max(header_->minimumHeight(), header_->sizeHint().height());
  setViewportMargins(0, headerHeight, 0, 0);
  const QRect area = viewport()->geometry();
  header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);

  QScrollBar* bar = verticalScrollBar();
  const long long length = static_cast<long long>(rowCount()) * rowHeight_;
  const int height = viewport()->height();
  if (verticalScrollMode() == ScrollPerItem) {
    bar->setRange(0, length > height ? rowCount() - wholeRowsShown() : 0);
    bar->setPageStep(wholeRowsShown());
    bar->setSingleStep(1);
  } else {
    bar->setRange(0, static_cast<int>(std::max(0LL, length - height)));
    bar->setPageStep(height);
    bar->setSingleStep(rowHeight_);
  }
  horizontalScrollBar()->setRange(0, 0);
  // The range may have moved the rows without scrolling them.
  if (verticalOffset() != shownOffset_) {
    shownOffset_ = verticalOffset();
    viewport()->update();
  }
  layingOut_ = false;
  QAbstractItemView::updateGeometries();
}

void ListBox::scrollContentsBy(int, int) {
  const int offset = verticalOffset();
  viewport()->scroll(0, shownOffset_ - offset);
  shownOffset_ = offset;
  if (hasFocus()) FocusRing::refresh(this);
}

void ListBox::rowsInserted(const QModelIndex& parent, int first, int last) {
  QAbstractItemView::rowsInserted(parent, first, last);
  // A row recorded at the bottom: its cells are new children of the list.
  if (first == last && last == rowCount() - 1) tellRowAdded(this, last);
  updateGeometries();
  // Rows added below the view, as a record is, change nothing shown but the scroll bar.
  const int top = first * rowHeight_ - verticalOffset();
  if (top < viewport()->height()) viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
  // The current row moves off the rows that go: assistive tools hear of it once they are gone.
  removingRows_ = true;
  QAbstractItemView::rowsAboutToBeRemoved(parent, first, last);
}

void ListBox::rowsRemoved(int first, int last) {
  removingRows_ = false;
  if (hasFocus()) tellAssistiveTools(this, currentIndex(), QAccessible::Focus);
  const int offset = shownOffset_;
  updateGeometries();
  if (hasFocus()) FocusRing::refresh(this);
  const int top = first * rowHeight_ - offset;
  if (verticalOffset() != offset || top < 0) {
    viewport()->update();
    return;
  }
  // The rows below move up over the removed ones: their pixels are moved
  // rather than drawn again, and only the rows that come into view are drawn.
  const int gone = (last - first + 1) * rowHeight_;
  const QRect below(0, top + gone, viewport()->width(), viewport()->height() - top - gone);
  if (below.isValid()) viewport()->scroll(0, -gone, below);
  viewport()->update(0, std::max(top, viewport()->height() - gone), viewport()->width(), gone);
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // The focus is on the current row only while it is on the list; as the
  // list takes the focus, Qt's word of it goes to the current row.
  if (hasFocus() && !removingRows_ && !takingFocus_) tellAssistiveTools(this, current, QAccessible::Focus);
  QAbstractItemView::currentChanged(current, previous);
  if (hasFocus()) FocusRing::refresh(this);
}

void ListBox::focusInEvent(QFocusEvent* event) {
  takingFocus_ = true;
  QAbstractItemView::focusInEvent(event);
  takingFocus_ = false;
}

// The ring goes round the current row, the part of the list the keys act on,
// as plainly as round a button; round the whole list while it has no rows.
QRect ListBox::focusedPart() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return rect();
  const int last = model()->columnCount() - 1;
  const QRect row = visualRect(model()->index(current.row(), 0)) | visualRect(model()->index(current.row(), last));
  const QRect shown = row.adjusted(0, 0, kGridLine, kGridLine).translated(viewport()->pos()) & viewport()->geometry();
  return shown.isEmpty() ? rect() : shown;
}

void ListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  tellAssistiveTools(this, selected.indexes().value(0), QAccessible::SelectionAdd);
  tellAssistiveTools(this, deselected.indexes().value(0), QAccessible::SelectionRemove);
  QAbstractItemView::selectionChanged(selected, deselected);
}

}  // namespace fw
