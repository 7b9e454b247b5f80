// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <algorithm>

#include "framework/prefs_files.h"
#include "scores/score_file.h"

namespace scores {

namespace {

bool endsInLineBreak(std::string_view bytes) { return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r'; }

// Far more rows than players record in a lifetime: a list of more would take
// gigabytes to hold, and could end the game before its window opens.
constexpr std::size_t kMaxRows = std::size_t{1} << 24;
const char* const kTooManyRows = "it has more than 16 million lines";

// Whether the file may hold more rows than that; a row takes three bytes at least (",1" and a line end).
bool tooManyRows(std::string_view bytes) {
  if ((bytes.size() + 1) / 3 <= kMaxRows) return false;
  const auto lineEnds = std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\n' || c == '\r'; });
  return static_cast<std::size_t>(lineEnds) >= kMaxRows;
}

// Why the game will not take a file's contents as a list; empty when it will.
std::string refusalOf(const fw::FileContents& file) {
  if (file.status == fw::FileContents::Status::Unreadable) return file.reason;
  return tooManyRows(file.bytes) ? kTooManyRows : "";
}

}  // namespace

fw::RowTable ScoreStore::load() {
  path_ = fw::preferencesFile(fileName_);
  fw::FileContents file = fw::readFile(path_);
  problem_ = refusalOf(file);
  if (!problem_.empty()) return fw::RowTable(2);
  base_ = std::move(file.bytes);
  return parseScoreFile(base_);
}

bool ScoreStore::record(std::string_view line, std::string* reason) {
  if (!problem_.empty()) {
    *reason = "it could not be read when the game started, so it is left as it is";
    return false;
  }
  const fw::FileLock lock(path_);
  if (!lock.locked()) {
    *reason = lock.reason();
    return false;
  }
  if (!fw::appendLine(path_, line, reason)) return false;
  // The file gained a line break first where it lacked one.
  if (appended_.empty() && !endsInLineBreak(base_)) appended_ += '\n';
  appended_.append(line);
  appended_ += '\n';
  return true;
}

ScoreStore::Saved ScoreStore::save(const fw::RowTable& ours) {
  Saved saved;
  if (!problem_.empty()) {
    // Never overwrite what could not be read: the player was told at the start.
    saved.ok = true;
    return saved;
  }
  const fw::FileLock lock(path_);
  if (!lock.locked()) {
    saved.reason = lock.reason();
    return saved;
  }
  fw::FileContents current = fw::readFile(path_);
  saved.reason = refusalOf(current);
  if (!saved.reason.empty()) return saved;
  // Most often nobody else touched the file, and our rows are the whole story.
  const std::string_view now = current.bytes;
  const bool untouched = now.size() == base_.size() + appended_.size() && now.starts_with(base_) &&
                         now.substr(base_.size()) == appended_;
  if (!untouched) saved.others = othersChanges(ours, appended_.empty() ? base_ : base_ + appended_, now);
  std::string bytes = formatScoreFile(ours, saved.others.removed);
  bytes += formatScoreFile(saved.others.added);
  if (!fw::replaceFile(path_, bytes, &saved.reason)) return saved;
  saved.ok = true;
  base_ = std::move(bytes);
  appended_.clear();
  return saved;
}

}  // namespace scores
