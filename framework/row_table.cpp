// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/row_table.h"

#include <numeric>

namespace fw {

void RowTable::addRowBytes(const std::string_view* cells, std::size_t count) {
  begins_.push_back(bytes_.size());
  std::uint32_t end = 0;
  for (std::size_t column = 0; column < static_cast<std::size_t>(columns_); ++column) {
    if (column < count) {
      bytes_.append(cells[column]);
      end += static_cast<std::uint32_t>(cells[column].size());
    }
    ends_.push_back(end);
  }
  liveBytes_ += end;
}

void RowTable::add(std::initializer_list<std::string_view> cells) {
  order_.push_back(static_cast<std::uint32_t>(begins_.size()));
  addRowBytes(cells.begin(), cells.size());
}

std::string_view RowTable::cell(std::size_t row, int column) const {
  const std::uint32_t id = order_[row];
  const std::uint32_t* end = ends(id);
  const std::uint32_t from = column == 0 ? 0 : end[column - 1];
  return std::string_view(bytes_).substr(begin(id) + from, end[column] - from);
}

void RowTable::remove(std::size_t row) {
  liveBytes_ -= ends(order_[row])[columns_ - 1];
  order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(row));
  compactIfMostlyGarbage();
}

void RowTable::append(RowTable&& other) {
  if (order_.empty() && bytes_.empty()) {
    *this = std::move(other);
    return;
  }
  std::vector<std::string_view> cells(static_cast<std::size_t>(columns_));
  for (std::size_t row = 0; row < other.size(); ++row) {
    for (int c = 0; c < columns_; ++c) cells[static_cast<std::size_t>(c)] = other.cell(row, c);
    order_.push_back(static_cast<std::uint32_t>(begins_.size()));
    addRowBytes(cells.data(), cells.size());
  }
}

void RowTable::permute(const std::vector<std::uint32_t>& order) {
  std::vector<std::uint32_t> ids;
  ids.reserve(order.size());
  for (std::uint32_t from : order) ids.push_back(order_[from]);
  // Laying the bytes out in the new order keeps later passes over the rows quick.
  rebuild(ids);
}

void RowTable::rebuild(const std::vector<std::uint32_t>& ids) {
  RowTable packed(columns_);
  packed.bytes_.reserve(liveBytes_);
  packed.begins_.reserve(ids.size());
  packed.ends_.reserve(ids.size() * static_cast<std::size_t>(columns_));
  packed.order_.resize(ids.size());
  std::iota(packed.order_.begin(), packed.order_.end(), 0u);
  for (std::uint32_t id : ids) {
    const std::uint32_t* end = ends(id);
    packed.begins_.push_back(packed.bytes_.size());
    packed.bytes_.append(std::string_view(bytes_).substr(begin(id), end[columns_ - 1]));
    packed.ends_.insert(packed.ends_.end(), end, end + columns_);
  }
  packed.liveBytes_ = packed.bytes_.size();
  *this = std::move(packed);
}

void RowTable::reserve(std::size_t rows, std::size_t bytes) {
  bytes_.reserve(bytes);
  begins_.reserve(rows);
  ends_.reserve(rows * static_cast<std::size_t>(columns_));
  order_.reserve(rows);
}

void RowTable::compactIfMostlyGarbage() {
  const bool mostlyGarbage = bytes_.size() > 4096 && liveBytes_ < bytes_.size() / 2;
  const bool manyDeadIds = begins_.size() > 4096 && order_.size() < begins_.size() / 2;
  if (mostlyGarbage || manyDeadIds) rebuild(order_);
}

}  // namespace fw
