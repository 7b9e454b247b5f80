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
  // One pass along the bytes, line by line, as forEachLine splits them: lines
  // are short, and a plain loop finds their commas and ends quicker than calls.
  const auto endsLine = [](char c) { return c == '\n' || c == '\r'; };
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (at != end) {
    const char* const name = at;
    while (at != end && *at != ',' && !endsLine(*at)) ++at;
    if (at != end && *at == ',') {
      const char* const score = ++at;
      while (at != end && *at != ',' && !endsLine(*at)) ++at;
      if (at != score) {
        rows.addSplitLine({std::string_view(name, static_cast<std::size_t>(score - 1 - name)),
                           std::string_view(score, static_cast<std::size_t>(at - score))});
      }
    }
    while (at != end && !endsLine(*at)) ++at;
    if (at != end && *at == '\r' && at + 1 != end && at[1] == '\n') ++at;
    if (at != end) ++at;
  }
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
