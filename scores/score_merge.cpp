// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_merge.h"

#include <algorithm>
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

Row rowOf(const fw::RowTable& rows, std::size_t row) { return {rows.cell(row, 0), rows.cell(row, 1)}; }

bool endsLine(char c) { return c == '\n' || c == '\r'; }

// The lines in which two texts differ: each text less the longest run of
// whole lines that both begin with and the longest that both end with.
std::pair<std::string_view, std::string_view> differingLines(std::string_view a, std::string_view b) {
  const std::size_t shorter = std::min(a.size(), b.size());
  std::size_t head = static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + shorter, b.begin()).first - a.begin());
  while (head > 0 && !endsLine(a[head - 1])) --head;
  std::size_t tail = 0;
  while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
  // The run must begin a line in both texts.
  const auto beginsLine = [](std::string_view text, std::size_t at) { return at == 0 || endsLine(text[at - 1]); };
  while (tail > 0 && !(beginsLine(a, a.size() - tail) && beginsLine(b, b.size() - tail))) --tail;
  return {a.substr(head, a.size() - head - tail), b.substr(head, b.size() - head - tail)};
}

}  // namespace

OthersChanges othersChanges(const fw::RowTable& ours, std::string_view base, std::string_view current) {
  OthersChanges changes;
  const auto [baseLines, currentLines] = differingLines(base, current);
  if (baseLines.empty() && currentLines.empty()) return changes;
  const fw::RowTable before = parseScoreFile(baseLines);
  const fw::RowTable now = parseScoreFile(currentLines);

  // Positive: copies another game removed; negative: copies it added.
  std::unordered_map<Row, long, RowHash> change;
  for (std::size_t row = 0; row < before.size(); ++row) ++change[rowOf(before, row)];
  for (std::size_t row = 0; row < now.size(); ++row) --change[rowOf(now, row)];

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
  for (std::size_t row = 0; row < now.size(); ++row) {
    const Row cells = rowOf(now, row);
    if (long& count = change[cells]; count < 0) {
      ++count;
      changes.added.add({cells.first, cells.second});
    }
  }
  return changes;
}

}  // namespace scores
