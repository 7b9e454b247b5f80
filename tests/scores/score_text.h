// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A score file's bytes and its rows, each made from the other as the game
// reads and writes them.

#include <memory>
#include <string>
#include <string_view>

#include "scores/row_table.h"
#include "scores/score_file.h"

namespace testing_support {

// The rows of the bytes, as reading takes them.
inline scores::RowTable rowsIn(std::string_view bytes) {
  return scores::parseScoreFile(std::make_shared<const std::string>(bytes));
}

// The file of the rows, as a save writes it.
inline std::string fileOf(const scores::RowTable& rows) {
  std::string bytes;
  scores::writeScoreFile(rows, [&bytes](std::string_view line) { bytes.append(line); });
  return bytes;
}

}  // namespace testing_support
