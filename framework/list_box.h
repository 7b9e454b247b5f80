// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A list box of rows of text cells under a heading row. The rows live in a
// table model and are all of one height, so the view finds a row by
// arithmetic and keeps nothing per row: a list of millions of rows stays
// quick to load, show, sort and change. Cells are bytes; they are shown
// decoded as UTF-8 (Latin-1 where they are not valid UTF-8), long ones cut
// short, and kept unchanged.

#include <QAbstractItemView>
#include <QHeaderView>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/focus_ring.h"
#include "framework/row_table.h"

namespace fw {

class RowsModel;

// A list's row of headings. Clicks sort without taking the focus; Tab reaches
// it, Left and Right choose a heading, and Space or Return sorts by it as a click does.
class ListHeading final : public QHeaderView, public FocusedPart {
  Q_OBJECT

public:
  explicit ListHeading(QWidget* parent);
  int chosen() const { return chosen_; }
  QRect focusedPart() const override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

private:
  void choose(int section);

  int chosen_ = 0;
};

class ListBox final : public QAbstractItemView {
  Q_OBJECT

public:
  ListBox(QWidget* parent, int columnCount);
  ~ListBox() override;

  QHeaderView* horizontalHeader() const { return header_; }
  int rowCount() const;
  void setHeadings(const QStringList& headings);
  // Column widths as shares of the list's width, in percent.
  void setColumnWidths(std::vector<int> percents);

  void appendRow(std::initializer_list<std::string_view> cells);
  void appendRows(RowTable&& rows);
  const RowTable& rows() const;  // in the order shown; valid until the list changes
  void removeRow(int row);
  // Selects the row and makes it the current one.
  void selectRow(int row);

  // A click on a heading sorts by that column: one direction per list,
  // ascending at first, reversed by a click on the heading already sorted by.
  void sortByHeadingClick(int column);

  // Runs for a click on a row, but not for the second click of a double
  // click; Delete runs it for the current row, as the keyboard's click.
  void setRowClickHandler(std::function<void(int row)> handler);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;

protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override { return 0; }
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void initViewItemOption(QStyleOptionViewItem* option) const override;
  void paintEvent(QPaintEvent* event) override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;
  void rowsInserted(const QModelIndex& parent, int first, int last) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void changeEvent(QEvent* event) override;

private:
  int rowAt(int y) const;
  // How many rows the viewport shows whole, one at least.
  int wholeRowsShown() const;
  void applyColumnWidths();
  void rowsRemoved(int first, int last);
  void drawCell(QPainter& painter, QStyleOptionViewItem option, const QModelIndex& index) const;

  std::unique_ptr<RowsModel> model_;
  QHeaderView* header_;
  int rowHeight_;
  int shownOffset_ = 0;  // the vertical offset the viewport was last scrolled to
  bool layingOut_ = false;
  std::vector<int> widthPercents_;
  std::function<void(int row)> rowClicked_;
  bool inDoubleClick_ = false;
  bool removingRows_ = false;
};

}  // namespace fw
