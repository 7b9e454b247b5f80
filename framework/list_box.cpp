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

void RowTable::add(std::initializer_list<std::string_view> cells) {
  std::string text;
  std::size_t length = 0;
  for (std::string_view cell : cells) length += cell.size();
  text.reserve(length);
  auto cell = cells.begin();
  for (int column = 0; column < columns_; ++column) {
    if (column > 0) starts_.push_back(static_cast<std::uint32_t>(text.size()));
    if (cell != cells.end()) text.append(*cell++);
  }
  texts_.push_back(std::move(text));
}

std::string_view RowTable::cell(std::size_t row, int column) const {
  const std::string& text = texts_[row];
  const std::size_t begin = column == 0 ? 0 : start(row, column);
  const std::size_t end = column + 1 == columns_ ? text.size() : start(row, column + 1);
  return std::string_view(text).substr(begin, end - begin);
}

void RowTable::setCell(std::size_t row, int column, std::string_view value) {
  std::string& text = texts_[row];
  const std::size_t begin = column == 0 ? 0 : start(row, column);
  const std::size_t end = column + 1 == columns_ ? text.size() : start(row, column + 1);
  text.replace(begin, end - begin, value);
  const auto shift = static_cast<std::int64_t>(value.size()) - static_cast<std::int64_t>(end - begin);
  for (int later = column + 1; later < columns_; ++later) {
    start(row, later) = static_cast<std::uint32_t>(start(row, later) + shift);
  }
}

void RowTable::remove(std::size_t row) {
  texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(row));
  const auto first = starts_.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(columns_ - 1));
  starts_.erase(first, first + (columns_ - 1));
}

void RowTable::append(RowTable&& other) {
  if (texts_.empty()) {
    texts_ = std::move(other.texts_);
    starts_ = std::move(other.starts_);
    return;
  }
  texts_.insert(texts_.end(), std::make_move_iterator(other.texts_.begin()), std::make_move_iterator(other.texts_.end()));
  starts_.insert(starts_.end(), other.starts_.begin(), other.starts_.end());
}

void RowTable::permute(const std::vector<std::uint32_t>& order) {
  std::vector<std::string> texts;
  std::vector<std::uint32_t> starts;
  texts.reserve(texts_.size());
  starts.reserve(starts_.size());
  const auto stride = static_cast<std::size_t>(columns_ - 1);
  for (std::uint32_t from : order) {
    texts.push_back(std::move(texts_[from]));
    starts.insert(starts.end(), starts_.begin() + static_cast<std::ptrdiff_t>(from * stride),
                  starts_.begin() + static_cast<std::ptrdiff_t>((from + 1) * stride));
  }
  texts_ = std::move(texts);
  starts_ = std::move(starts);
}

void RowTable::reserve(std::size_t rows) {
  texts_.reserve(rows);
  starts_.reserve(rows * static_cast<std::size_t>(columns_ - 1));
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
    std::vector<std::uint32_t> permutation(rows_.size());
    std::iota(permutation.begin(), permutation.end(), 0u);
    std::stable_sort(permutation.begin(), permutation.end(), [&](std::uint32_t a, std::uint32_t b) {
      const int c = naturalCompare(rows_.cell(a, column), rows_.cell(b, column));
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
  QString heading(int column) const { return column < headings_.size() ? headings_[column] : QString(); }

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

std::string ListBox::heading(int column) const { return model_->heading(column).toStdString(); }

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
SortOrder ListBox::sortOrder() const { return model_->sortOrder; }

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
