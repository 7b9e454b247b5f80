// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A list box of rows of text cells under a heading row. The rows are all of
// one height, so the view finds a row by arithmetic and keeps nothing per
// row: a list of millions of rows stays quick to show, sort and change.

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <vector>

#include "framework/window/focus_ring.h"

namespace fw {

// A list's row of headings. Clicks sort without taking the focus; Tab reaches
// it, Left and Right choose a heading, and Space or Return sorts by it as a
// click does. Its sort indicator is the record of how the list is sorted:
// one direction a list, ascending at first, reversed by a click on the
// heading it is sorted by and kept by a click on another.
class ListHeading final : public QHeaderView, public FocusedPart {
  Q_OBJECT

public:
  explicit ListHeading(QWidget* parent);
  int chosen() const { return chosen_; }
  QRect focusedPart() const override;
  // Sorts by the column as a click on its heading does.
  void sortBy(int column);

signals:
  // A click, a key or an assistive tool asks for the list sorted so.
  void sortAsked(int column, Qt::SortOrder order);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void choose(int section);

  int chosen_ = 0;
  bool clicking_ = false;
  int indicatorSection_ = 0;  // the sort indicator as it was when a click began
  Qt::SortOrder indicatorOrder_ = Qt::AscendingOrder;
};

// A view of a table model's rows under its heading row; the model holds them,
// and sorts them by its sort(), as Qt's models do.
class ListBox final : public QAbstractItemView, public FocusedPart {
  Q_OBJECT

public:
  explicit ListBox(QWidget* parent);
  ~ListBox() override;

  void setModel(QAbstractItemModel* model) override;
  ListHeading* horizontalHeader() const { return header_; }
  int rowCount() const;
  // Column widths as shares of the list's width, in percent.
  void setColumnWidths(std::vector<int> percents);
  // Selects the row and makes it the current one.
  void selectRow(int row);

  // Shows that work on the rows runs beside the window: a busy cursor over
  // the list at once and, once the work has lasted half a second, the text
  // at the list's foot; an empty text says the work is done.
  void showWork(const QString& what);

  // Tells the user that a sort found too little memory: the model's, at
  // once or when a sort it runs beside the window ends so.
  void tellSortFailed();

  // Runs for a click on a row, but not for the second click of a double
  // click; Delete runs it for the current row, as the keyboard's click.
  void setRowClickHandler(std::function<void(int row)> handler);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;
  QRect focusedPart() const override;

signals:
  // The list was sorted by a heading.
  void sorted(int column, Qt::SortOrder order);
  // The text of long work came into sight (true), or went again (false).
  void workShown(bool shown);

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
  void focusInEvent(QFocusEvent* event) override;

private:
  int rowAt(int y) const;
  // How many rows the viewport shows whole, one at least.
  int wholeRowsShown() const;
  void applyColumnWidths();
  void rowsRemoved(int first, int last);
  void drawCell(QPainter& painter, QStyleOptionViewItem option, const QModelIndex& index) const;

  void sort(int column, Qt::SortOrder order);

  ListHeading* header_;
  int rowHeight_;
  int shownOffset_ = 0;  // the vertical offset the viewport was last scrolled to
  bool layingOut_ = false;
  std::vector<int> widthPercents_;
  std::function<void(int row)> rowClicked_;
  bool inDoubleClick_ = false;
  bool removingRows_ = false;
  QLabel* work_ = nullptr;
  QTimer* workDelay_ = nullptr;
  bool takingFocus_ = false;
};

}  // namespace fw
