#include "framework/list_box.h"

#include <QAbstractTableModel>
#include <QCursor>
#include <QEvent>
#include <QHeaderView>
#include <QTableView>

namespace fw {

// Cells stored row after row as raw bytes; shown decoded as UTF-8.
class RowsModel final : public QAbstractTableModel {
public:
  explicit RowsModel(int columns) : columns_(columns) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size() / static_cast<std::size_t>(columns_));
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    return QString::fromStdString(cell(index.row(), index.column()));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section < static_cast<int>(headings_.size()) ? QVariant(headings_[static_cast<std::size_t>(section)])
                                                        : QVariant();
  }

  const std::string& cell(int row, int column) const { return cells_[offset(row, column)]; }

  void setCell(int row, int column, const std::string& text) {
    cells_[offset(row, column)] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
  }

  void appendRow(const std::string& firstCell) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    cells_.push_back(firstCell);
    cells_.resize(cells_.size() + static_cast<std::size_t>(columns_ - 1));
    endInsertRows();
  }

  void removeRow(int row) {
    beginRemoveRows({}, row, row);
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(offset(row, 0));
    cells_.erase(first, first + columns_);
    endRemoveRows();
  }

  void setHeadings(const QStringList& headings) {
    headings_ = headings;
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  }

  QString heading(int column) const { return column < headings_.size() ? headings_[column] : QString(); }

private:
  std::size_t offset(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
  }

  int columns_;
  std::vector<std::string> cells_;
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
  model_->appendRow(firstCell);
  lastIndex_ = model_->rowCount() - 1;
}

int ListBox::lastIndex() const { return lastIndex_; }

std::string ListBox::cell(int row, int column) const { return model_->cell(row, column); }
void ListBox::setCell(int row, int column, const std::string& text) { model_->setCell(row, column, text); }
void ListBox::removeRow(int row) { model_->removeRow(row); }

void ListBox::setCellClickHandler(CellClickHandler handler) {
  QObject::connect(view_, &QTableView::clicked, view_, [this, h = std::move(handler)](const QModelIndex& index) {
    const QRect cellRect = view_->visualRect(index);
    const QPoint at = view_->viewport()->mapFromGlobal(QCursor::pos()) - cellRect.topLeft();
    h(index.row(), index.column(), at.x(), at.y());
  });
}

}  // namespace fw
