// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A table of rows of text cells, packed for lists of millions of rows. It
// knows nothing of widgets, so the score file format can use it on its own.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Rows of text cells, packed for lists of millions of rows: the rows are an
// order of ids, so removing or sorting rows moves only the ids. A table may
// be made over a text that it shares (a file as read): a row whose cells are
// a line of that text, separated by commas, is kept as where its line begins,
// without a copy of its bytes. Other rows' bytes are kept in one buffer of the
// table's own, reclaimed once they are mostly removed rows'.
class RowTable {
public:
  explicit RowTable(int columnCount) : columns_(columnCount) {}
  RowTable(int columnCount, std::shared_ptr<const std::string> text);

  int columnCount() const { return columns_; }
  std::size_t size() const { return order_.size(); }
  // Appends a row of columnCount cells; missing cells are empty.
  void add(std::initializer_list<std::string_view> cells);
  std::string_view cell(std::size_t row, int column) const;
  void remove(std::size_t row);
  void append(RowTable&& other);
  // Reorders the rows: row i becomes the old row order[i].
  void permute(const std::vector<std::uint32_t>& order);
  // Makes room for rows holding bytes in all, ahead of adding them.
  void reserve(std::size_t rows, std::size_t bytes);
  // The rows in the order their bytes lie: a pass over every row reads
  // quicker in this order than in the rows' own once they were sorted.
  std::vector<std::uint32_t> rowsInStorageOrder() const;

private:
  // An id with this bit is a row of the table's own bytes; without it, a line of the shared text.
  static constexpr std::uint32_t kOwnRow = 0x80000000u;

  bool addLine(const std::string_view* cells, std::size_t count);
  void addOwnRow(const std::string_view* cells, std::size_t count);
  std::string_view lineCell(std::uint32_t line, int column) const;
  std::size_t ownRowBytes(std::uint32_t own) const { return ends_[(own + 1) * static_cast<std::size_t>(columns_) - 1]; }
  // Keeps the rows in their order, without what removed rows left behind.
  void rebuild();
  void compactIfMostlyGarbage();

  int columns_;
  std::shared_ptr<const std::string> text_;
  std::vector<std::uint32_t> lineBegins_;  // by line id: where its line begins in the text
  std::string bytes_;                      // the own rows' cells, one after the other
  std::vector<std::uint64_t> begins_;      // by own row id
  std::vector<std::uint32_t> ends_;        // columns_ per own row id, from its begin
  std::vector<std::uint32_t> order_;       // row ids, top to bottom
  std::size_t liveBytes_ = 0;              // of the own rows still in the order
};

}  // namespace fw
