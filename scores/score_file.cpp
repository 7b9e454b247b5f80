// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_file.h"

namespace scores {

namespace {

void addRows(fw::RowTable& rows, std::string_view bytes) {
  // Room for lines of eight bytes or more, rather than a pass to count them:
  // room for more rows than come is address space only, never touched.
  rows.reserve(bytes.size() / 8 + 1, bytes.size());
  forEachLine(bytes, [&rows](std::string_view line) {
    // Lines are short: a plain loop finds the commas quicker than a search call.
    const char* const end = line.data() + line.size();
    const char* comma = line.data();
    while (comma != end && *comma != ',') ++comma;
    if (comma == end) return;
    const char* const score = comma + 1;
    const char* scoreEnd = score;
    while (scoreEnd != end && *scoreEnd != ',') ++scoreEnd;
    if (scoreEnd == score) return;
    rows.addSplitLine({std::string_view(line.data(), static_cast<std::size_t>(comma - line.data())),
                       std::string_view(score, static_cast<std::size_t>(scoreEnd - score))});
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
  std::string bytes;
  auto skip = leftOut.begin();
  rows.forEachRow([&](std::size_t row, const std::string_view* cells) {
    if (skip != leftOut.end() && *skip == row) {
      ++skip;
      return;
    }
    bytes.append(cells[0]);
    bytes += ',';
    bytes.append(cells[1]);
    bytes += '\n';
  });
  return bytes;
}

}  // namespace scores
