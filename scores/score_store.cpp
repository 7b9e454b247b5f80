// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include "framework/prefs_files.h"
#include "scores/score_file.h"

namespace scores {

namespace {

bool endsInLineBreak(std::string_view bytes) { return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r'; }

}  // namespace

fw::RowTable ScoreStore::load() {
  path_ = fw::preferencesFile(fileName_);
  fw::FileContents file = fw::readFile(path_);
  if (file.status == fw::FileContents::Status::Unreadable) {
    problem_ = file.reason;
    return fw::RowTable(2);
  }
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
  if (current.status == fw::FileContents::Status::Unreadable) {
    saved.reason = current.reason;
    return saved;
  }
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
