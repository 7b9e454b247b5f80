// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Feeds any bytes to the score file reader and checks what must always hold:
// no crash, only rows with a score, no line break inside a cell, and a file
// written from the rows reads back to the same rows. The two halves of the
// bytes, as a file before and after another game changed it, check the
// merge: a game whose list is the file before writes the rows of the file after.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scores/score_file.h"
#include "scores/score_merge.h"
#include "../tests/scores/score_text.h"

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows sortedRows(std::string_view file) {
  const scores::RowTable table = testing_support::rowsIn(file);
  Rows rows;
  for (std::size_t row = 0; row < table.size(); ++row) rows.emplace_back(table.cell(row, 0), table.cell(row, 1));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void checkMerge(std::string_view before, std::string_view after) {
  const scores::RowTable ours = testing_support::rowsIn(before);
  const scores::OthersChanges others = scores::othersChanges(ours, ours, after);
  require(std::is_sorted(others.removed.begin(), others.removed.end()));
  require(std::adjacent_find(others.removed.begin(), others.removed.end()) == others.removed.end());
  const std::string written = testing_support::fileOf(scores::withOthersChanges(ours, others));
  require(sortedRows(written) == sortedRows(after));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const scores::RowTable rows = testing_support::rowsIn(bytes);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const std::string_view name = rows.cell(row, 0);
    const std::string_view score = rows.cell(row, 1);
    require(!score.empty());
    require(name.find(',') == std::string_view::npos && score.find(',') == std::string_view::npos);
    require(name.find_first_of("\r\n") == std::string_view::npos && score.find_first_of("\r\n") == std::string_view::npos);
  }
  const std::string written = testing_support::fileOf(rows);
  require(written.size() <= size + rows.size());
  require(testing_support::fileOf(testing_support::rowsIn(written)) == written);
  checkMerge(bytes.substr(0, size / 2), bytes.substr(size / 2));
  return 0;
}
