// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The score file format: one row a line, the name, a comma, the score.

#include <string>
#include <string_view>
#include <vector>

#include "framework/row_table.h"

namespace scores {

// The rows of a file. A line gives its text before the first comma as the
// name and the text up to a second comma as the score; a line without a
// score (no comma, or nothing after it) is skipped. Blanks are kept.
fw::RowTable parseScoreFile(std::string_view bytes);

// The file of the rows, each line ended by LF, leaving out the rows at the
// given indices (ascending).
std::string formatScoreFile(const fw::RowTable& rows, const std::vector<std::size_t>& leftOut = {});

}  // namespace scores
