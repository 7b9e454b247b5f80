// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_merge.h"

#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "scores/score_file.h"

namespace scores {

namespace {

using Row = std::pair<std::string_view, std::string_view>;

struct RowHash {
  std::size_t operator()(const Row& row) const {
    const std::hash<std::string_view> hash;
    return hash(row.first) * 31 + hash(row.second);
  }
};

Row rowOf(const scores::RowTable& rows, std::size_t row) { return {rows.cell(row, 0), rows.cell(row, 1)}; }

// The line that ends at `end` (its line break included): where it begins, and
// the line as readLine reads it.
std::pair<std::size_t, Line> lineBefore(std::string_view text, std::size_t end) {
  std::size_t stop = end;
  if (stop > 0 && text[stop - 1] == '\n') {
    --stop;
    if (stop > 0 && text[stop - 1] == '\r') --stop;
  } else if (stop > 0 && text[stop - 1] == '\r') {
    --stop;
  }
  std::size_t begin = stop;
  while (begin > 0 && text[begin - 1] != '\n' && text[begin - 1] != '\r') --begin;
  return {begin, readLine(text.data() + begin, text.data() + stop)};
}

}  // namespace

OthersChanges othersChanges(const scores::RowTable& ours, const scores::RowTable& base, std::string_view current) {
  OthersChanges changes;
  const char* const text = current.data();
  const char* const end = text + current.size();
  // The rows both begin with...
  std::size_t first = 0;
  const char* head = text;
  while (head != end) {
    const Line line = readLine(head, end);
    if (line.hasRow) {
      if (first == base.size() || Row{line.name, line.score} != rowOf(base, first)) break;
      ++first;
    }
    head = line.next;
  }
  // ...and end with, before those.
  std::size_t last = base.size();
  std::size_t tail = current.size();
  const std::size_t headAt = static_cast<std::size_t>(head - text);
  while (tail > headAt) {
    const auto [begin, line] = lineBefore(current, tail);
    if (line.hasRow) {
      if (last == first || Row{line.name, line.score} != rowOf(base, last - 1)) break;
      --last;
    }
    tail = begin;
  }
  if (first == last && headAt == tail) return changes;

  // Positive: copies another game removed; negative: copies it added.
  std::unordered_map<Row, long, RowHash> change;
  for (std::size_t row = first; row < last; ++row) ++change[rowOf(base, row)];
  const auto eachBetween = [&](auto&& visit) {
    for (const char* at = head; at != text + tail;) {
      const Line line = readLine(at, text + tail);
      if (line.hasRow) visit(Row{line.name, line.score});
      at = line.next;
    }
  };
  eachBetween([&](const Row& row) { --change[row]; });

  std::unordered_set<std::size_t> removedLengths;  // a quick first test before hashing a row
  for (const auto& [row, count] : change) {
    if (count > 0) removedLengths.insert(row.first.size() * 1000003 + row.second.size());
  }
  for (std::size_t row = 0; row < ours.size() && !removedLengths.empty(); ++row) {
    const Row cells = rowOf(ours, row);
    if (!removedLengths.count(cells.first.size() * 1000003 + cells.second.size())) continue;
    if (const auto removed = change.find(cells); removed != change.end() && removed->second > 0) {
      --removed->second;
      changes.removed.push_back(row);
    }
  }
  eachBetween([&](const Row& row) {
    if (long& count = change[row]; count < 0) {
      ++count;
      changes.added.add({row.first, row.second});
    }
  });
  return changes;
}

}  // namespace scores
