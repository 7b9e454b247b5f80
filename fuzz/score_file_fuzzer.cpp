// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Feeds any bytes to the score file reader and checks what must always hold:
// no crash, only rows with a score, no line break inside a cell, and a file
// written from the rows reads back to the same rows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "scores/score_file.h"

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const fw::RowTable rows = scores::parseScoreFile(bytes);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const std::string_view name = rows.cell(row, 0);
    const std::string_view score = rows.cell(row, 1);
    require(!score.empty());
    require(name.find(',') == std::string_view::npos && score.find(',') == std::string_view::npos);
    require(name.find_first_of("\r\n") == std::string_view::npos && score.find_first_of("\r\n") == std::string_view::npos);
  }
  const std::string written = scores::formatScoreFile(rows);
  require(written.size() <= size + rows.size());
  require(scores::formatScoreFile(scores::parseScoreFile(written)) == written);
  return 0;
}
