// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/row_table.h"

#include <cassert>
#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>

namespace scores {

namespace {

// Longer cells of a shared text are copied: finding a cell's end by its
// separators must stay quick however often the cell is read.
constexpr std::size_t kLongestSharedCell = 1024;

bool endsLastCell(char c) { return c == ',' || c == '\n' || c == '\r'; }

}  // namespace

RowTable::RowTable(int columnCount, std::shared_ptr<const std::string> text) : columns_(columnCount) {
  // A line's begin is its row's id.
  if (text && text->size() < kOwnRow) text_ = std::move(text);
}

bool RowTable::addLine(const std::string_view* cells, std::size_t count, bool split) {
  if (!text_ || count != static_cast<std::size_t>(columns_)) return false;
  const std::string& text = *text_;
  const std::less<const char*> before;
  if (before(cells[0].data(), text.data()) || before(text.data() + text.size(), cells[0].data())) return false;
  // The cells must read back as they are: each where the one before it
  // ended and a comma followed, the last ended by a comma or a line break.
  std::size_t at = static_cast<std::size_t>(cells[0].data() - text.data());
  for (std::size_t column = 0; column < count; ++column) {
    const std::string_view cell = cells[column];
    const bool last = column + 1 == count;
    if (cell.data() != text.data() + at || cell.size() > kLongestSharedCell || text.size() - at < cell.size()) {
      return false;
    }
    if (split) {
      assert(cell.find(',') == std::string_view::npos);
      assert(!last || cell.find_first_of("\r\n") == std::string_view::npos);
    } else {
      for (char c : cell) {
        if (c == ',' || (last && endsLastCell(c))) return false;
      }
    }
    at += cell.size();
    if (last) break;
    if (at == text.size() || text[at] != ',') return false;
    ++at;
  }
  order_.push_back(static_cast<std::uint32_t>(cells[0].data() - text.data()));
  return true;
}

void RowTable::addOwnRow(const std::string_view* cells, std::size_t count) {
  order_.push_back(static_cast<std::uint32_t>(begins_.size()) | kOwnRow);
  begins_.push_back(bytes_.size());
  std::uint32_t end = 0;
  for (std::size_t column = 0; column < static_cast<std::size_t>(columns_); ++column) {
    if (column < count) {
      bytes_.append(cells[column]);
      end += static_cast<std::uint32_t>(cells[column].size());
    }
    ends_.push_back(end);
  }
  ++liveRows_;
  liveBytes_ += end;
}

void RowTable::add(std::initializer_list<std::string_view> cells) {
  if (!addLine(cells.begin(), cells.size())) addOwnRow(cells.begin(), cells.size());
}

void RowTable::addSplitLine(std::initializer_list<std::string_view> cells) {
  if (!addLine(cells.begin(), cells.size(), true)) addOwnRow(cells.begin(), cells.size());
}

std::string_view RowTable::lineCell(std::uint32_t begin, int column) const {
  const std::string& text = *text_;
  std::size_t at = begin;
  for (int c = 0; c < column; ++c) at = text.find(',', at) + 1;
  std::size_t end = at;
  if (column + 1 < columns_) {
    end = text.find(',', at);
  } else {
    while (end < text.size() && !endsLastCell(text[end])) ++end;
  }
  return std::string_view(text).substr(at, end - at);
}

void RowTable::rowCells(std::size_t row, std::string_view* cells) const {
  const std::uint32_t id = order_[row];
  if (id & kOwnRow) {
    for (int c = 0; c < columns_; ++c) cells[c] = cell(row, c);
    return;
  }
  // One pass along the line: each cell begins after the comma that ends the one before.
  const std::string_view text = *text_;
  std::size_t at = id;
  for (int c = 0; c < columns_; ++c) {
    std::size_t end = at;
    if (c + 1 < columns_) {
      end = text.find(',', at);
    } else {
      while (end < text.size() && !endsLastCell(text[end])) ++end;
    }
    cells[c] = text.substr(at, end - at);
    at = end + 1;
  }
}

void RowTable::fetchAhead(std::size_t row) const {
  const std::uint32_t id = order_[row];
  if (!(id & kOwnRow)) __builtin_prefetch(text_->data() + id);
}

std::string_view RowTable::cell(std::size_t row, int column) const {
  const std::uint32_t id = order_[row];
  if (!(id & kOwnRow)) return lineCell(id, column);
  const std::size_t own = id & ~kOwnRow;
  const std::uint32_t* end = &ends_[own * static_cast<std::size_t>(columns_)];
  const std::uint32_t from = column == 0 ? 0 : end[column - 1];
  return std::string_view(bytes_).substr(begins_[own] + from, end[column] - from);
}

void RowTable::remove(std::size_t row) {
  if (order_[row] & kOwnRow) {
    --liveRows_;
    liveBytes_ -= ownRowBytes(order_[row] & ~kOwnRow);
  }
  order_.erase(row);
  try {
    compactIfMostlyGarbage();
  } catch (const std::bad_alloc&) {
    // The garbage stays until memory allows: the rows are whole either way.
  }
}

RowTable RowTable::without(const std::vector<std::size_t>& rows) const {
  RowTable copy(columns_);
  copy.text_ = text_;
  copy.bytes_ = bytes_;
  copy.begins_ = begins_;
  copy.ends_ = ends_;
  copy.liveRows_ = liveRows_;
  copy.liveBytes_ = liveBytes_;
  copy.order_.reserve(order_.size() - rows.size());
  auto skip = rows.begin();
  for (std::size_t row = 0; row < order_.size(); ++row) {
    if (skip == rows.end() || *skip != row) {
      copy.order_.push_back(order_[row]);
      continue;
    }
    ++skip;
    if (order_[row] & kOwnRow) {
      --copy.liveRows_;
      copy.liveBytes_ -= ownRowBytes(order_[row] & ~kOwnRow);
    }
  }
  copy.compactIfMostlyGarbage();
  return copy;
}

void RowTable::append(RowTable&& other) {
  if (order_.empty() && begins_.empty()) {
    *this = std::move(other);
    return;
  }
  std::vector<std::string_view> cells(static_cast<std::size_t>(columns_));
  for (std::size_t row = 0; row < other.size(); ++row) {
    for (int c = 0; c < columns_; ++c) cells[static_cast<std::size_t>(c)] = other.cell(row, c);
    if (!addLine(cells.data(), cells.size())) addOwnRow(cells.data(), cells.size());
  }
}

std::vector<std::uint32_t> RowTable::idsInOrder(const std::vector<std::uint32_t>& order) const {
  if (order.size() != order_.size()) throw std::invalid_argument("an order of another count of rows");
  std::vector<std::uint32_t> ids;
  ids.reserve(order.size());
  for (std::uint32_t from : order) {
    if (from >= order_.size()) throw std::invalid_argument("an order of other rows");
    ids.push_back(order_[from]);
  }
  return ids;
}

void RowTable::takeOrder(std::vector<std::uint32_t> ids) {
  if (ids.size() != order_.size()) throw std::invalid_argument("an order of another count of rows");
  order_ = std::move(ids);
}

void RowTable::reserve(std::size_t rows, std::size_t bytes) {
  order_.reserve(rows);
  if (text_) return;
  bytes_.reserve(bytes);
  begins_.reserve(rows);
  ends_.reserve(rows * static_cast<std::size_t>(columns_));
}

void RowTable::reserveFor(const RowTable& other) {
  const auto grow = [](auto& vector, std::size_t more) {
    if (vector.size() + more > vector.capacity()) vector.reserve(std::max(vector.size() + more, 2 * vector.capacity()));
  };
  grow(order_, other.size());
  // The other's rows may all become rows of our own bytes.
  grow(bytes_, other.bytes_.size() + (other.text_ ? other.text_->size() : 0));
  grow(begins_, other.size());
  grow(ends_, other.size() * static_cast<std::size_t>(columns_));
}

void RowTable::rebuild() {
  RowTable packed(columns_, text_);
  packed.order_.reserve(order_.size());
  packed.bytes_.reserve(liveBytes_);
  std::vector<std::string_view> cells(static_cast<std::size_t>(columns_));
  for (std::size_t row = 0; row < order_.size(); ++row) {
    if (!(order_[row] & kOwnRow)) {
      packed.order_.push_back(order_[row]);
      continue;
    }
    for (int c = 0; c < columns_; ++c) cells[static_cast<std::size_t>(c)] = cell(row, c);
    packed.addOwnRow(cells.data(), cells.size());
  }
  *this = std::move(packed);
}

void RowTable::compactIfMostlyGarbage() {
  const bool mostlyGarbage = bytes_.size() > 4096 && liveBytes_ < bytes_.size() / 2;
  const bool manyDeadIds = begins_.size() > 4096 && liveRows_ < begins_.size() / 2;
  if (mostlyGarbage || manyDeadIds) rebuild();
}

}  // namespace scores
