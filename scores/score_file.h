// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The score file format: one row a line, the name, a comma, the score.

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/row_table.h"

namespace scores {

// Calls back with each line of text without its terminator (LF, CRLF or a
// lone CR); a final terminator adds no empty line.
template <class OnLine>
void forEachLine(std::string_view text, OnLine&& onLine) {
  const char* const end = text.data() + text.size();
  const char* begin = text.data();
  if (text.find('\r') == std::string_view::npos) {
    // The common file of LF-ended lines: jump from line end to line end.
    for (const char* at; (at = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin))));
         begin = at + 1) {
      onLine(std::string_view(begin, static_cast<std::size_t>(at - begin)));
    }
    if (begin != end) onLine(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    return;
  }
  for (const char* at = begin; at != end; ++at) {
    if (*at != '\n' && *at != '\r') continue;
    onLine(std::string_view(begin, static_cast<std::size_t>(at - begin)));
    if (*at == '\r' && at + 1 != end && at[1] == '\n') ++at;
    begin = at + 1;
  }
  if (begin != end) onLine(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

// The rows of a file. A line gives its text before the first comma as the
// name and the text up to a second comma as the score; a line without a
// score (no comma, or nothing after it) is skipped. Blanks are kept.
fw::RowTable parseScoreFile(std::string_view bytes);
// The same rows, reading their cells in the bytes themselves rather than in a copy.
fw::RowTable parseScoreFile(std::shared_ptr<const std::string> bytes);

// The file of the rows, each line ended by LF, leaving out the rows at the
// given indices (ascending).
std::string formatScoreFile(const fw::RowTable& rows, const std::vector<std::size_t>& leftOut = {});

}  // namespace scores
