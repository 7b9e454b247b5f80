// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_file.h"

namespace scores {

namespace {

std::uint64_t addRows(scores::RowTable& rows, std::string_view bytes, std::uint64_t lineEndLimit = UINT64_MAX,
                      std::uint64_t* leftOut = nullptr) {
  // Room for lines of eight bytes or more, rather than a pass to count them:
  // room for more rows than come is address space only, never touched.
  rows.reserve(bytes.size() / 8 + 1, bytes.size());
  std::uint64_t lineEnds = 0;
  const char* const end = bytes.data() + bytes.size();
  for (const char* at = bytes.data(); at != end && lineEnds < lineEndLimit;) {
    const Line line = readLine(at, end);
    if (line.hasRow) rows.addSplitLine({line.name, line.score});
    // A line with text that gives no row, or more than its row (a second comma), is not written back
    // whole; but not a name and a comma alone, which a Record without a score writes on purpose.
    if (leftOut && line.textEnd != at && (line.hasRow ? line.score.end() != line.textEnd : line.textEnd[-1] != ',')) {
      ++*leftOut;
    }
    lineEnds += static_cast<std::uint64_t>(line.next - line.textEnd);
    at = line.next;
  }
  return lineEnds;
}

}  // namespace

scores::RowTable parseScoreFile(std::shared_ptr<const std::string> bytes, std::uint64_t* lineEnds,
                            std::uint64_t lineEndLimit, std::uint64_t* linesLeftOut) {
  const std::string_view text = *bytes;
  scores::RowTable rows(2, std::move(bytes));
  const std::uint64_t ends = addRows(rows, text, lineEndLimit, linesLeftOut);
  if (lineEnds) *lineEnds = ends;
  return rows;
}

}  // namespace scores
