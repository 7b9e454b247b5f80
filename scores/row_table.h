// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A table of rows of text cells, packed for lists of millions of rows. It
// knows nothing of widgets, so the score file format can use it on its own.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scores {

// The ids of a table's rows, top to bottom. Removing a row moves the ids on
// its shorter side: those above it when it is in the upper half, so that a
// removal near the top of a list of millions moves next to nothing.
class RowIds {
public:
  std::size_t size() const { return ids_.size() - head_; }
  bool empty() const { return size() == 0; }
  std::uint32_t operator[](std::size_t row) const { return ids_[head_ + row]; }
  void push_back(std::uint32_t id) { ids_.push_back(id); }
  void reserve(std::size_t count) { ids_.reserve(head_ + count); }
  std::size_t capacity() const { return ids_.capacity() - head_; }
  void erase(std::size_t row) {
    const auto at = ids_.begin() + static_cast<std::ptrdiff_t>(head_ + row);
    if (row < size() / 2) {
      std::copy_backward(ids_.begin() + static_cast<std::ptrdiff_t>(head_), at, at + 1);
      ++head_;
    } else {
      ids_.erase(at);
    }
  }
  RowIds& operator=(std::vector<std::uint32_t> ids) {
    ids_ = std::move(ids);
    head_ = 0;
    return *this;
  }

private:
  std::vector<std::uint32_t> ids_;
  std::size_t head_ = 0;  // ids before it belong to removed rows
};

// Rows of text cells, packed for lists of millions of rows: the rows are an
// order of ids, so removing or sorting rows moves only the ids. A table may
// be made over a text that it shares (a file as read): a row whose cells are
// a line of that text, separated by commas, is kept as where its line begins,
// four bytes without a copy of its own. Other rows' bytes are kept in one
// buffer of the table's own, reclaimed once they are mostly removed rows'.
class RowTable {
public:
  explicit RowTable(int columnCount) : columns_(columnCount) {}
  RowTable(int columnCount, std::shared_ptr<const std::string> text);

  int columnCount() const { return columns_; }
  std::size_t size() const { return order_.size(); }
  // Appends a row of columnCount cells; missing cells are empty.
  void add(std::initializer_list<std::string_view> cells);
  // The same for cells found by splitting a line of the shared text at its
  // commas, which therefore hold none (nor the last a line break): they are
  // not read through again, which makes reading a file of millions of rows
  // quicker.
  void addSplitLine(std::initializer_list<std::string_view> cells);
  std::string_view cell(std::size_t row, int column) const;
  void remove(std::size_t row);
  // A copy without the rows at the given indices (ascending); the shared
  // text is shared, not copied.
  RowTable without(const std::vector<std::size_t>& rows) const;
  void append(RowTable&& other);
  // The rows' ids in another order: row i is the old row order[i]. An order
  // that is not one of these rows (another count) is refused:
  // std::invalid_argument. It only reads the table.
  std::vector<std::uint32_t> idsInOrder(const std::vector<std::uint32_t>& order) const;
  // Puts the rows in the order of those ids; ids of another count are refused.
  void takeOrder(std::vector<std::uint32_t> ids);
  // Makes room for rows holding bytes in all, ahead of adding them.
  void reserve(std::size_t rows, std::size_t bytes);
  // Makes room for appending the other table's rows, growing as adding them
  // would: the memory they take is then had before any of them is added.
  void reserveFor(const RowTable& other);
  // Calls visit(row, cells) for each row, top to bottom, with its columnCount
  // cells: quicker than asking cell by cell, as each row is read once and the
  // bytes of the rows ahead are fetched from memory meanwhile.
  template <class Visit>
  void forEachRow(Visit&& visit) const {
    forEachRow(0, order_.size(), std::forward<Visit>(visit));
  }
  // The same for the rows from first up to end.
  template <class Visit>
  void forEachRow(std::size_t first, std::size_t end, Visit&& visit) const {
    constexpr std::size_t kAhead = 16;
    std::vector<std::string_view> cells(static_cast<std::size_t>(columns_));
    for (std::size_t row = first; row < end; ++row) {
      if (row + kAhead < end) fetchAhead(row + kAhead);
      rowCells(row, cells.data());
      visit(row, static_cast<const std::string_view*>(cells.data()));
    }
  }

private:
  // An id with this bit is a row of the table's own bytes; without it, it is
  // where the row's line begins in the shared text.
  static constexpr std::uint32_t kOwnRow = 0x80000000u;

  bool addLine(const std::string_view* cells, std::size_t count, bool split = false);
  void addOwnRow(const std::string_view* cells, std::size_t count);
  std::string_view lineCell(std::uint32_t begin, int column) const;
  void rowCells(std::size_t row, std::string_view* cells) const;
  void fetchAhead(std::size_t row) const;
  std::size_t ownRowBytes(std::uint32_t own) const { return ends_[(own + 1) * static_cast<std::size_t>(columns_) - 1]; }
  // Keeps the rows in their order, without what removed rows left behind.
  void rebuild();
  void compactIfMostlyGarbage();

  int columns_;
  std::shared_ptr<const std::string> text_;
  std::string bytes_;                  // the own rows' cells, one after the other
  std::vector<std::uint64_t> begins_;  // by own row id
  std::vector<std::uint32_t> ends_;    // columns_ per own row id, from its begin
  RowIds order_;                       // row ids, top to bottom
  std::size_t liveRows_ = 0;           // own rows still in the order
  std::size_t liveBytes_ = 0;          // and their bytes
};

}  // namespace scores
