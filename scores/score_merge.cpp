#include "scores/score_merge.h"

#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

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

}  // namespace

fw::RowTable mergeScoreRows(const fw::RowTable& ours, const fw::RowTable& base, const fw::RowTable& current) {
  // Positive: copies another game removed; negative: copies another game added.
  std::unordered_map<Row, long, RowHash> change;
  change.reserve(base.size() + current.size());
  for (std::size_t row = 0; row < base.size(); ++row) ++change[rowOf(base, row)];
  for (std::size_t row = 0; row < current.size(); ++row) --change[rowOf(current, row)];

  fw::RowTable merged(2);
  merged.reserve(ours.size() + current.size(), 0);
  for (std::size_t row = 0; row < ours.size(); ++row) {
    const Row cells = rowOf(ours, row);
    if (const auto removed = change.find(cells); removed != change.end() && removed->second > 0) {
      --removed->second;
      continue;
    }
    merged.add({cells.first, cells.second});
  }
  for (std::size_t row = 0; row < current.size(); ++row) {
    const Row cells = rowOf(current, row);
    if (long& count = change[cells]; count < 0) {
      ++count;
      merged.add({cells.first, cells.second});
    }
  }
  return merged;
}

}  // namespace scores
