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

// Where the rows of base and the file now stop agreeing: base's rows from
// first up to last and the file's bytes from head up to tail are what differ.
struct Differing {
  std::size_t first = 0;
  std::size_t last = 0;
  std::size_t head = 0;
  std::size_t tail = 0;
};

Differing differing(const scores::RowTable& base, std::string_view current) {
  Differing at;
  const char* const text = current.data();
  const char* const end = text + current.size();
  // The rows both begin with...
  const char* head = text;
  while (head != end) {
    const Line line = readLine(head, end);
    if (line.hasRow) {
      if (at.first == base.size() || Row{line.name, line.score} != rowOf(base, at.first)) break;
      ++at.first;
    }
    head = line.next;
  }
  // ...and end with, before those.
  at.last = base.size();
  at.tail = current.size();
  at.head = static_cast<std::size_t>(head - text);
  while (at.tail > at.head) {
    const auto [begin, line] = lineBefore(current, at.tail);
    if (line.hasRow) {
      if (at.last == at.first || Row{line.name, line.score} != rowOf(base, at.last - 1)) break;
      --at.last;
    }
    at.tail = begin;
  }
  return at;
}

}  // namespace

OthersChanges othersChanges(const scores::RowTable& ours, const scores::RowTable& base, std::string_view current) {
  OthersChanges changes;
  const char* const text = current.data();
  const auto [first, last, headAt, tail] = differing(base, current);
  if (first == last && headAt == tail) return changes;
  const char* const head = text + headAt;

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

scores::RowTable withOthersChanges(const scores::RowTable& ours, const OthersChanges& others) {
  scores::RowTable rows = ours.without(others.removed);
  rows.append(scores::RowTable(others.added));
  return rows;
}

}  // namespace scores
