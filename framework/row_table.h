// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A table of rows of text cells, packed for lists of millions of rows. It
// knows nothing of widgets, so the score file format can use it on its own.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Rows of text cells, packed for lists of millions of rows: all cells' bytes
// in one buffer, the rows an order of ids into it. Removing or sorting rows
// moves only the ids; the bytes of removed rows are reclaimed once they are
// most of the buffer.
class RowTable {
public:
  explicit RowTable(int columnCount) : columns_(columnCount) {}

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

}  // namespace fw
