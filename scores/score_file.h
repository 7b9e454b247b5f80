// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The score file format: one row a line, the name, a comma, the score.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scores/row_table.h"

namespace scores {

// What a name may not hold: it would split the name's line.
constexpr std::string_view kNotInAName = ",\r\n";

// What ends a line: LF, or CR (alone or before LF).
inline bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// A line of a score file, as reading takes it.
struct Line {
  const char* textEnd;  // where its text ends and its line break, if any, begins
  const char* next;     // where the next line begins
  bool hasRow;       // whether the line gives a row: a comma, and a score after it
  std::string_view name;
  std::string_view score;
};

// Reads the line that begins at `at`, which ends at its line break (LF, CRLF
// or a lone CR) or at `end`. Its name is the text before its first comma, its
// score the text up to a second comma; a line without a score (no comma, or
// nothing after it) gives no row. Blanks are kept.
inline Line readLine(const char* at, const char* end) {
  // One pass along the bytes: lines are short, and a plain loop finds their
  // commas and end quicker than calls.
  Line line{};
  const char* const name = at;
  while (at != end && *at != ',' && !isLineEnd(*at)) ++at;
  if (at != end && *at == ',') {
    const char* const score = ++at;
    while (at != end && *at != ',' && !isLineEnd(*at)) ++at;
    if (at != score) {
      line.hasRow = true;
      line.name = std::string_view(name, static_cast<std::size_t>(score - 1 - name));
      line.score = std::string_view(score, static_cast<std::size_t>(at - score));
    }
  }
  while (at != end && !isLineEnd(*at)) ++at;
  line.textEnd = at;
  if (at != end && *at == '\r' && at + 1 != end && at[1] == '\n') ++at;
  if (at != end) ++at;
  line.next = at;
  return line;
}

// The line that ends at `end` (its line break included), read backwards:
// where it begins, and the line as readLine reads it.
inline std::pair<std::size_t, Line> lineBefore(std::string_view text, std::size_t end) {
  std::size_t stop = end;
  if (stop > 0 && text[stop - 1] == '\n') {
    --stop;
    if (stop > 0 && text[stop - 1] == '\r') --stop;
  } else if (stop > 0 && text[stop - 1] == '\r') {
    --stop;
  }
  std::size_t begin = stop;
  while (begin > 0 && !isLineEnd(text[begin - 1])) --begin;
  return {begin, readLine(text.data() + begin, text.data() + stop)};
}

// The rows of a file, a row for each line that gives one, reading their cells in the bytes themselves rather than in a
// copy; lineEnds, where given, counts the file's line break characters, and
// reading stops once they come to lineEndLimit; linesLeftOut counts the lines
// with text that a save would not write back whole (no row, or more than it).
scores::RowTable parseScoreFile(std::shared_ptr<const std::string> bytes, std::uint64_t* lineEnds = nullptr,
                            std::uint64_t lineEndLimit = UINT64_MAX, std::uint64_t* linesLeftOut = nullptr);

// Appends the line of a row, without its line break.
inline void appendScoreLine(std::string& to, std::string_view name, std::string_view score) {
  to.append(name);
  to += ',';
  to.append(score);
}

// Hands the file of the rows to `out` a line at a time, each line ended by LF.
template <class Out>
void writeScoreFile(const scores::RowTable& rows, Out&& out) {
  std::string line;
  rows.forEachRow([&](std::size_t, const std::string_view* cells) {
    line.clear();
    appendScoreLine(line, cells[0], cells[1]);
    line += '\n';
    out(std::string_view(line));
  });
}

}  // namespace scores
