// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_file.h"

#include <algorithm>

namespace scores {

namespace {

void addRows(fw::RowTable& rows, std::string_view bytes) {
  // One row a line at most, and never more bytes than the file.
  rows.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1, bytes.size());
  forEachLine(bytes, [&rows](std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return;
    std::string_view score = line.substr(comma + 1);
    score = score.substr(0, score.find(','));
    if (score.empty()) return;
    rows.add({line.substr(0, comma), score});
  });
}

}  // namespace

fw::RowTable parseScoreFile(std::string_view bytes) {
  fw::RowTable rows(2);
  addRows(rows, bytes);
  return rows;
}

fw::RowTable parseScoreFile(std::shared_ptr<const std::string> bytes) {
  const std::string_view text = *bytes;
  fw::RowTable rows(2, std::move(bytes));
  addRows(rows, text);
  return rows;
}

std::string formatScoreFile(const fw::RowTable& rows, const std::vector<std::size_t>& leftOut) {
  const auto forEachKept = [&](auto&& write) {
    auto skip = leftOut.begin();
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (skip != leftOut.end() && *skip == row) {
        ++skip;
        continue;
      }
      write(rows.cell(row, 0), rows.cell(row, 1));
    }
  };
  std::size_t size = 0;
  forEachKept([&size](std::string_view name, std::string_view score) { size += name.size() + score.size() + 2; });
  std::string bytes;
  bytes.reserve(size);
  forEachKept([&bytes](std::string_view name, std::string_view score) {
    bytes.append(name);
    bytes += ',';
    bytes.append(score);
    bytes += '\n';
  });
  return bytes;
}

}  // namespace scores
