// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <QAbstractTableModel>
#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringDecoder>
#include <QTableView>

#include <algorithm>
#include <numeric>
#include <utility>

#include "framework/text.h"

namespace fw {

namespace {

// Cells longer than this are shown cut short: laying out megabytes of text
// at every repaint would stall the game. The bytes stay whole.
constexpr qsizetype kShownCharacters = 300;

QString decode(std::string_view bytes) {
  // Enough bytes for the characters shown, however many bytes each takes,
  // cut where a character begins.
  std::size_t end = std::min(bytes.size(), static_cast<std::size_t>(kShownCharacters) * 4);
  for (int back = 0; end < bytes.size() && back < 3 && (bytes[end] & 0xC0) == 0x80; ++back) --end;
  const std::string_view shown = bytes.substr(0, end);
  // Stateless, so that an incomplete sequence at the end is an error too.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(shown.data(), static_cast<qsizetype>(shown.size())));
  if (utf8.hasError()) text = QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
  if (end < bytes.size() || text.size() > kShownCharacters) {
    qsizetype keep = std::min(text.size(), kShownCharacters);
    if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
    text = text.left(keep) + QChar(0x2026);
  }
  return text;
}

}  // namespace

class RowsModel final : public QAbstractTableModel {
public:
  explicit RowsModel(int columns) : rows_(columns) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : rows_.columnCount();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    return decode(rows_.cell(static_cast<std::size_t>(index.row()), index.column()));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headings_.size()) return {};
    return headings_[section];
  }

  const RowTable& rows() const { return rows_; }

  void setCell(int row, int column, std::string_view text) {
    rows_.setCell(static_cast<std::size_t>(row), column, text);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
  }

  void appendRows(RowTable&& more) {
    if (more.size() == 0) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
    rows_.append(std::move(more));
    endInsertRows();
  }

  void setRows(RowTable&& rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

  void removeRow(int row) {
    beginRemoveRows({}, row, row);
    rows_.remove(static_cast<std::size_t>(row));
    endRemoveRows();
  }

  void sortBy(int column, SortOrder order) {
    std::vector<std::string_view> keys(rows_.size());
    for (std::size_t row = 0; row < keys.size(); ++row) keys[row] = rows_.cell(row, column);
    std::vector<std::uint32_t> permutation(rows_.size());
    std::iota(permutation.begin(), permutation.end(), 0u);
    std::stable_sort(permutation.begin(), permutation.end(), [&](std::uint32_t a, std::uint32_t b) {
      const int c = naturalCompare(keys[a], keys[b]);
      return order == SortOrder::Ascending ? c < 0 : c > 0;
    });
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    rows_.permute(permutation);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  }

  void setHeadings(const QStringList& headings) {
    headings_ = headings;
    emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
  }

  int sortColumn = -1;
  SortOrder sortOrder = SortOrder::Ascending;

private:
  RowTable rows_;
  QStringList headings_;
};

namespace {

// Keeps the column widths at their shares when the list's viewport changes size.
class ResizeWatcher final : public QObject {
public:
  ResizeWatcher(QObject* parent, std::function<void()> onResize) : QObject(parent), onResize_(std::move(onResize)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) onResize_();
    return false;
  }

private:
  std::function<void()> onResize_;
};

// Reports the events of a widget to a handler, which returns true to consume one.
class EventWatcher final : public QObject {
public:
  EventWatcher(QObject* parent, std::function<bool(QEvent*)> onEvent) : QObject(parent), onEvent_(std::move(onEvent)) {}
  bool eventFilter(QObject*, QEvent* event) override { return onEvent_(event); }

private:
  std::function<bool(QEvent*)> onEvent_;
};

}  // namespace

ListBox::ListBox(QTableView* view, std::string name, int columnCount)
    : Control(view, std::move(name), -1), view_(view), model_(std::make_unique<RowsModel>(columnCount)) {
  view_->setModel(model_.get());
  view_->viewport()->installEventFilter(new ResizeWatcher(view_, [this] { applyColumnWidths(); }));
  QHeaderView* header = view_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  QObject::connect(header, &QHeaderView::sectionClicked, view_, [this](int column) { sortByHeadingClick(column); });
}

ListBox::~ListBox() = default;

int ListBox::columnCount() const { return model_->columnCount(); }
int ListBox::rowCount() const { return model_->rowCount(); }

void ListBox::setHeadings(const std::string& tabSeparated) {
  model_->setHeadings(QString::fromStdString(tabSeparated).split(QChar('\t')));
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

void ListBox::setRows(RowTable&& rows) {
  model_->setRows(std::move(rows));
  lastIndex_ = model_->rowCount() - 1;
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
    view_->viewport()->installEventFilter(new EventWatcher(view_, [this](QEvent* event) {
      if (event->type() == QEvent::MouseButtonPress) inDoubleClick_ = false;
      if (event->type() == QEvent::MouseButtonDblClick) inDoubleClick_ = true;
      return false;
    }));
    view_->installEventFilter(new EventWatcher(view_, [this](QEvent* event) {
      if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) return false;
      clickCurrentCell();
      return true;
    }));
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
