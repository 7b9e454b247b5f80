// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list/list_accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>

#include "framework/list/list_box.h"
#include "framework/list/list_events.h"

namespace fw {

namespace {

// How a list is sorted by the heading, as a reader says it; empty for a heading it is not sorted by.
QString sortOrderOf(const QHeaderView* heading, int column) {
  if (!heading->isSortIndicatorShown() || heading->sortIndicatorSection() != column) return {};
  return heading->sortIndicatorOrder() == Qt::AscendingOrder ? QCoreApplication::translate("fw::ListBox", "sorted ascending")
                                                             : QCoreApplication::translate("fw::ListBox", "sorted descending");
}

// One child of a list's table: a cell, a column heading (row -1), or one of
// the hidden row headings (column -1) that Qt's own numbering of a table's
// children counts, and which stay invisible here.
class ListPartAccessible final : public QAccessibleInterface,
                                 public QAccessibleTableCellInterface,
                                 public QAccessibleActionInterface {
public:
  ListPartAccessible(ListBox* view, int row, int column) : view_(view), row_(row), column_(column) {}

  bool isValid() const override {
    return view_ && view_->model() && row_ < view_->model()->rowCount() && column_ < view_->model()->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QAccessible::Role role() const override {
    if (column_ < 0) return row_ < 0 ? QAccessible::Pane : QAccessible::RowHeader;
    return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || column_ < 0) return {};
    // A reader says a heading's order after its name, from the description.
    if (t == QAccessible::Description && isHeading()) return sortOrderOf(view_->horizontalHeader(), column_);
    // Where the row stands in its list, as a reader says it after the row.
    if (t == QAccessible::Description && !isHeading()) {
      //: Said by a screen reader after a list's row: %1 is the row's number, %2 how many rows the list has.
      return QCoreApplication::translate("fw::ListBox", "row %1 of %2").arg(row_ + 1).arg(view_->model()->rowCount());
    }
    if (t != QAccessible::Name) return {};
    if (isHeading()) return view_->model()->headerData(column_, Qt::Horizontal).toString();
    const QString spoken = view_->model()->data(index(), Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? view_->model()->data(index(), Qt::DisplayRole).toString() : spoken;
  }

  QRect rect() const override {
    if (!isValid() || column_ < 0) return {};
    if (isHeading()) {
      const QHeaderView* header = view_->horizontalHeader();
      const QPoint origin = header->mapToGlobal(QPoint(header->sectionViewportPosition(column_), 0));
      return {origin, QSize(header->sectionSize(column_), header->height())};
    }
    const QRect shown = view_->visualRect(index());
    return shown.translated(view_->viewport()->mapToGlobal(QPoint(0, 0)));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = column_ < 0 || !view_->isVisible();
    if (isHeading()) {
      state.invisible = state.invisible || view_->horizontalHeader()->isHidden();
      const auto* row = dynamic_cast<const ListHeading*>(view_->horizontalHeader());
      state.focusable = true;
      state.focused = row && row->hasFocus() && row->chosen() == column_;
    } else if (column_ >= 0) {
      state.invisible = state.invisible || !view_->viewport()->rect().intersects(view_->visualRect(index()));
      state.selectable = true;
      state.focusable = true;
      state.selected = isSelected();
      state.focused = view_->hasFocus() && view_->currentIndex() == index();
    }
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface && row_ >= 0 && column_ >= 0) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    if (type == QAccessible::ActionInterface && isHeading()) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // The table cell.
  bool isSelected() const override { return isValid() && view_->selectionModel()->isSelected(index()); }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // A heading sorts its list when pressed, as a click on it does.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) view_->horizontalHeader()->sortBy(column_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  ListBox* view() const { return view_; }
  int row() const { return row_; }
  int column() const { return column_; }

private:
  bool isHeading() const { return row_ < 0 && column_ >= 0; }
  QModelIndex index() const { return view_->model()->index(row_, column_); }

  QPointer<ListBox> view_;
  int row_;
  int column_;
};

// A list: a table of headings and cells, named after its list, in the
// numbering of children that Qt's item views use in their events.
class ListAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit ListAccessible(ListBox* view) : QAccessibleWidget(view, QAccessible::Table) {}
  ~ListAccessible() override { forgetParts(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  int childCount() const override { return (rowCount() + 1) * width(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (const auto known = parts_.constFind(index); known != parts_.constEnd()) {
      return QAccessible::accessibleInterface(*known);
    }
    auto* part = new ListPartAccessible(view(), index / width() - 1, index % width() - 1);
    parts_.insert(index, QAccessible::registerAccessibleInterface(part));
    return part;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* part = dynamic_cast<const ListPartAccessible*>(child);
    if (!part || part->view() != view()) return -1;
    return listChildIndex(part->row(), part->column(), columnCount());
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? cellAt(at.row(), at.column()) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return child(listChildIndex(row, column, columnCount())); }
  // A list without its model (it has gone before the list) has no parts.
  QString columnDescription(int column) const override {
    return view()->model() ? view()->model()->headerData(column, Qt::Horizontal).toString() : QString();
  }
  QString rowDescription(int) const override { return {}; }
  int columnCount() const override { return view()->model() ? view()->model()->columnCount() : 0; }
  int rowCount() const override { return view()->model() ? view()->model()->rowCount() : 0; }

  int selectedCellCount() const override { return static_cast<int>(selection()->selectedIndexes().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : selection()->selectedIndexes()) cells << cellAt(index.row(), index.column());
    return cells;
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    QList<int> rows;
    for (const QModelIndex& index : selection()->selectedRows()) rows << index.row();
    return rows;
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return selection()->isRowSelected(row, {}); }
  bool selectRow(int row) override {
    if (row < 0 || row >= rowCount()) return false;
    view()->selectRow(row);
    return true;
  }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override {
    if (!isRowSelected(row)) return false;
    view()->clearSelection();
    return true;
  }
  bool unselectColumn(int) override { return false; }

  // Rows come, go and change places: their cells are made anew on demand.
  // The headings stay, so that a tool that pressed one may press it again,
  // and so do the rows above rows added at the end, as a record is: a tool
  // told of the new row's cells finds them still there.
  void modelChange(QAccessibleTableModelChangeEvent* change) override {
    const bool appended = change->modelChangeType() == QAccessibleTableModelChangeEvent::RowsInserted &&
                          change->lastRow() == rowCount() - 1;
    if (!appended) forgetParts(width());
  }

private:
  ListBox* view() const { return static_cast<ListBox*>(widget()); }
  QItemSelectionModel* selection() const { return view()->selectionModel(); }
  int width() const { return columnCount() + 1; }  // a hidden row heading before each row
  // Forgets the parts from that child on: the headings come first.
  void forgetParts(int from = 0) {
    for (auto part = parts_.begin(); part != parts_.end();) {
      if (part.key() < from) {
        ++part;
        continue;
      }
      QAccessible::deleteAccessibleInterface(part.value());
      part = parts_.erase(part);
    }
  }

  mutable QHash<int, QAccessible::Id> parts_;
};

QList<QAccessibleInterface*> ListPartAccessible::columnHeaderCells() const {
  QAccessibleInterface* list = parent();
  QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
  if (!table) return {};
  return {list->child(column_ + 1)};
}

// The heading row when it has the keyboard focus: it stands for its chosen
// heading, whose name it says; a press sorts by it.
class HeadingRowAccessible final : public QAccessibleWidget {
public:
  explicit HeadingRowAccessible(ListHeading* heading) : QAccessibleWidget(heading, QAccessible::ColumnHeader) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && !heading()->model()) return {};
    if (t == QAccessible::Name) return heading()->model()->headerData(heading()->chosen(), Qt::Horizontal).toString();
    if (t == QAccessible::Description) {
      const QString order = sortOrderOf(heading(), heading()->chosen());
      return (order.isEmpty() ? QString() : order + ". ") +
             QCoreApplication::translate("fw::ListBox", "Left and Right choose a heading; Space sorts by it.");
    }
    return QAccessibleWidget::text(t);
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(heading()->parentWidget()); }
  // The focus rests on the chosen heading, a part of the list, where a reader finds it.
  QAccessibleInterface* focusChild() const override {
    QAccessibleInterface* list = parent();
    return heading()->hasFocus() && list ? list->child(heading()->chosen() + 1) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) heading()->sortBy(heading()->chosen());
  }

private:
  ListHeading* heading() const { return static_cast<ListHeading*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
  if (auto* list = dynamic_cast<ListBox*>(object)) return new ListAccessible(list);
  if (auto* heading = dynamic_cast<ListHeading*>(object)) return new HeadingRowAccessible(heading);
  return nullptr;
}

}  // namespace

void installListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}
}  // namespace fw
