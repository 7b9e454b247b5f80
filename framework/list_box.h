// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A list box of rows of text cells with a heading row. The rows live in a
// table model, so a list of a million rows stays quick to load, show, sort
// and change. Cells are bytes; they are shown decoded as UTF-8 (Latin-1 where
// they are not valid UTF-8), long ones cut short, and kept unchanged.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"
#include "framework/row_table.h"

class QTableView;

namespace fw {

class RowsModel;

enum class SortOrder { Ascending, Descending };

class ListBox final : public Control {
public:
  using CellClickHandler = std::function<bool(int row, int column, int x, int y)>;

  ListBox(QTableView* view, std::string name, int columnCount);
  ~ListBox() override;

  int columnCount() const;
  int rowCount() const;
  // Sets every heading from one text, the headings separated by tabs.
  void setHeadings(const std::string& tabSeparated);
  // Column widths as shares of the list's width, in percent.
  void setColumnWidths(std::vector<int> percents);

  void addRow(const std::string& firstCell);
  // Adds many rows at the bottom at once.
  void addRows(RowTable&& rows);
  int lastIndex() const;  // of the row added last; -1 before any
  std::string_view cell(int row, int column) const;  // valid until the list changes
  const RowTable& rows() const;
  void setCell(int row, int column, const std::string& text);
  void removeRow(int row);

  // A click on a heading sorts by that column: one direction per list,
  // ascending at first, reversed by a click on the heading already sorted by.
  int sortColumn() const;  // -1 while unsorted
  void sortByHeadingClick(int column);

  // Runs for a click on a cell, but not for the second click of a double
  // click; Delete runs it for the current cell, as the keyboard's click.
  void setCellClickHandler(CellClickHandler handler);

private:
  void applyColumnWidths();
  void clickCurrentCell();

  CellClickHandler cellClick_;
  bool inDoubleClick_ = false;

  QTableView* view_;
  std::unique_ptr<RowsModel> model_;
  std::vector<int> widthPercents_;
  int lastIndex_ = -1;
};

}  // namespace fw
