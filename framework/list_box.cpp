// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <QAbstractTableModel>
#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QStringDecoder>
#include <QTableView>

#include <algorithm>
#include <numeric>

#include "framework/text.h"

namespace fw {

void RowTable::addRowBytes(const std::string_view* cells, std::size_t count) {
  begins_.push_back(bytes_.size());
  std::uint32_t end = 0;
  for (std::size_t column = 0; column < static_cast<std::size_t>(columns_); ++column) {
    if (column < count) {
      bytes_.append(cells[column]);
      end += static_cast<std::uint32_t>(cells[column].size());
    }
    ends_.push_back(end);
  }
  liveBytes_ += end;
}

void RowTable::add(std::initializer_list<std::string_view> cells) {
  order_.push_back(static_cast<std::uint32_t>(begins_.size()));
  addRowBytes(cells.begin(), cells.size());
}

std::string_view RowTable::cell(std::size_t row, int column) const {
  const std::uint32_t id = order_[row];
  const std::uint32_t* end = ends(id);
  const std::uint32_t from = column == 0 ? 0 : end[column - 1];
  return std::string_view(bytes_).substr(begin(id) + from, end[column] - from);
}

void RowTable::setCell(std::size_t row, int column, std::string_view text) {
  // The row is written again at the end of the buffer under a new id; its
  // cells are copied first, as appending may move the buffer they lie in.
  std::vector<std::string> cells;
  for (int c = 0; c < columns_; ++c) cells.emplace_back(c == column ? text : this->cell(row, c));
  const std::vector<std::string_view> views(cells.begin(), cells.end());
  liveBytes_ -= ends(order_[row])[columns_ - 1];
  order_[row] = static_cast<std::uint32_t>(begins_.size());
  addRowBytes(views.data(), views.size());
  compactIfMostlyGarbage();
}

void RowTable::remove(std::size_t row) {
  liveBytes_ -= ends(order_[row])[columns_ - 1];
  order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(row));
  compactIfMostlyGarbage();
}

void RowTable::append(RowTable&& other) {
  if (order_.empty() && bytes_.empty()) {
    *this = std::move(other);
    return;
  }
  std::vector<std::string_view> cells(static_cast<std::size_t>(columns_));
  for (std::size_t row = 0; row < other.size(); ++row) {
    for (int c = 0; c < columns_; ++c) cells[static_cast<std::size_t>(c)] = other.cell(row, c);
    order_.push_back(static_cast<std::uint32_t>(begins_.size()));
    addRowBytes(cells.data(), cells.size());
  }
}

void RowTable::permute(const std::vector<std::uint32_t>& order) {
  std::vector<std::uint32_t> ids;
  ids.reserve(order.size());
  for (std::uint32_t from : order) ids.push_back(order_[from]);
  // Laying the bytes out in the new order keeps later passes over the rows quick.
  rebuild(ids);
}

void RowTable::rebuild(const std::vector<std::uint32_t>& ids) {
  RowTable packed(columns_);
  packed.bytes_.reserve(liveBytes_);
  packed.begins_.reserve(ids.size());
  packed.ends_.reserve(ids.size() * static_cast<std::size_t>(columns_));
  packed.order_.resize(ids.size());
  std::iota(packed.order_.begin(), packed.order_.end(), 0u);
  for (std::uint32_t id : ids) {
    const std::uint32_t* end = ends(id);
    packed.begins_.push_back(packed.bytes_.size());
    packed.bytes_.append(std::string_view(bytes_).substr(begin(id), end[columns_ - 1]));
    packed.ends_.insert(packed.ends_.end(), end, end + columns_);
  }
  packed.liveBytes_ = packed.bytes_.size();
  *this = std::move(packed);
}

void RowTable::reserve(std::size_t rows, std::size_t bytes) {
  bytes_.reserve(bytes);
  begins_.reserve(rows);
  ends_.reserve(rows * static_cast<std::size_t>(columns_));
  order_.reserve(rows);
}

void RowTable::compactIfMostlyGarbage() {
  const bool mostlyGarbage = bytes_.size() > 4096 && liveBytes_ < bytes_.size() / 2;
  const bool manyDeadIds = begins_.size() > 4096 && order_.size() < begins_.size() / 2;
  if (mostlyGarbage || manyDeadIds) rebuild(order_);
}

namespace {

QString decode(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
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
  QObject::connect(view_, &QTableView::clicked, view_, [this, h = std::move(handler)](const QModelIndex& index) {
    const QPoint at = view_->viewport()->mapFromGlobal(QCursor::pos()) - view_->visualRect(index).topLeft();
    h(index.row(), index.column(), at.x(), at.y());
  });
}

}  // namespace fw
