// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A list box of rows of text cells with a heading row. The rows live in a
// table model, so a list of a million rows stays quick to load, show, sort
// and change. Cells are bytes; they are shown decoded as UTF-8 (Latin-1 where
// they are not valid UTF-8) and kept unchanged.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"

class QTableView;

namespace fw {

class RowsModel;

// Rows of text cells, packed for lists of millions of rows: all cells' bytes
// in one buffer, the rows an order of ids into it. Removing or sorting rows
// moves only the ids; the bytes of removed or changed cells are reclaimed
// once they are most of the buffer.
class RowTable {
public:
  explicit RowTable(int columnCount) : columns_(columnCount) {}

  int columnCount() const { return columns_; }
  std::size_t size() const { return order_.size(); }
  // Appends a row of columnCount cells; missing cells are empty.
  void add(std::initializer_list<std::string_view> cells);
  std::string_view cell(std::size_t row, int column) const;
  void setCell(std::size_t row, int column, std::string_view text);
  void remove(std::size_t row);
  void append(RowTable&& other);
  // Reorders the rows: row i becomes the old row order[i].
  void permute(const std::vector<std::uint32_t>& order);
  // Makes room for rows holding bytes in all, ahead of adding them.
  void reserve(std::size_t rows, std::size_t bytes);

private:
  // Where a row's bytes begin, and where each of its cells ends, from that begin.
  std::uint64_t begin(std::uint32_t id) const { return begins_[id]; }
  const std::uint32_t* ends(std::uint32_t id) const { return &ends_[id * static_cast<std::size_t>(columns_)]; }
  void addRowBytes(const std::string_view* cells, std::size_t count);
  // Rewrites the buffer with the rows of the given ids only, in that order.
  void rebuild(const std::vector<std::uint32_t>& ids);
  void compactIfMostlyGarbage();

  int columns_;
  std::string bytes_;
  std::vector<std::uint64_t> begins_;  // by row id
  std::vector<std::uint32_t> ends_;    // columns_ per row id
  std::vector<std::uint32_t> order_;   // row ids, top to bottom
  std::size_t liveBytes_ = 0;
};

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

  void setCellClickHandler(CellClickHandler handler);

private:
  void applyColumnWidths();

  QTableView* view_;
  std::unique_ptr<RowsModel> model_;
  std::vector<int> widthPercents_;
  int lastIndex_ = -1;
};

}  // namespace fw
