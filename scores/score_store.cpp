// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <algorithm>

#include "framework/files.h"
#include "scores/score_file.h"

namespace scores {

namespace {

// Files larger than this are refused: a list of five million rows is under 100 MB.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;
// Far more rows than players record in a lifetime: a list of more would take
// gigabytes to hold, and could end the game before its window opens.
constexpr std::size_t kMaxRows = std::size_t{1} << 24;

const char* const kNoFolder = "there is no preferences folder";

bool endsInLineBreak(std::string_view bytes) { return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r'; }

// Whether the file may hold more rows than that; a row takes three bytes at least (",1" and a line end).
bool tooManyRows(std::string_view bytes) {
  if ((bytes.size() + 1) / 3 <= kMaxRows) return false;
  const auto lineEnds = std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\n' || c == '\r'; });
  return static_cast<std::size_t>(lineEnds) >= kMaxRows;
}

// Why the game will not take a file's contents as a list; empty when it will.
std::string refusalOf(const fw::FileContents& file) {
  switch (file.status) {
    case fw::FileContents::Status::Unreadable: return file.reason;
    case fw::FileContents::Status::TooLarge: return "it is larger than 1 GiB";
    case fw::FileContents::Status::Read:
    case fw::FileContents::Status::Missing: break;
  }
  return tooManyRows(file.bytes) ? "it has more than 16 million lines" : "";
}

}  // namespace

ScoreStore::ScoreStore(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds)
    : path_(folder.empty() ? std::string() : folder + "/" + fileName), lockWait_(lockWaitMilliseconds) {}

std::unique_ptr<fw::FileLock> ScoreStore::lock(std::string* reason) const {
  if (path_.empty()) {
    *reason = kNoFolder;
    return nullptr;
  }
  auto held = std::make_unique<fw::FileLock>(path_ + ".lock", lockWait_);
  switch (held->outcome()) {
    case fw::FileLock::Outcome::Locked: return held;
    case fw::FileLock::Outcome::HeldElsewhere: *reason = "another Veltrano game kept it locked"; break;
    case fw::FileLock::Outcome::InTheWay:
      *reason = "its lock file " + path_.substr(path_.rfind('/') + 1) + ".lock is in the way: " + held->reason();
      break;
    case fw::FileLock::Outcome::NotMade:
      *reason = "its lock file could not be made";
      if (!held->reason().empty()) *reason += ": " + held->reason();
      break;
  }
  return nullptr;
}

fw::RowTable ScoreStore::load() {
  if (path_.empty()) return fw::RowTable(2);
  fw::FileContents file = fw::readFile(path_, kMaxFileBytes);
  problem_ = refusalOf(file);
  if (!problem_.empty()) return fw::RowTable(2);
  // The rows read their cells in these bytes: the file is held once.
  base_ = std::make_shared<const std::string>(std::move(file.bytes));
  return parseScoreFile(base_);
}

bool ScoreStore::record(std::string_view line, std::string* reason) {
  if (!problem_.empty()) {
    *reason = "it could not be read when the game started, so it is left as it is";
    return false;
  }
  const auto held = lock(reason);
  if (!held) return false;
  if (!fw::appendLine(path_, line, reason)) return false;
  // The file gained a line break first where it lacked one.
  if (appended_.empty() && !endsInLineBreak(*base_)) appended_ += '\n';
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
  const auto held = lock(&saved.reason);
  if (!held) return saved;
  fw::FileContents current = fw::readFile(path_, kMaxFileBytes);
  saved.reason = refusalOf(current);
  if (!saved.reason.empty()) return saved;
  // Most often nobody else touched the file, and our rows are the whole story.
  const std::string_view now = current.bytes;
  const std::string& base = *base_;
  const bool untouched = now.size() == base.size() + appended_.size() && now.starts_with(base) &&
                         now.substr(base.size()) == appended_;
  if (!untouched) saved.others = othersChanges(ours, appended_.empty() ? base : base + appended_, now);
  std::string bytes = formatScoreFile(ours, saved.others.removed);
  bytes += formatScoreFile(saved.others.added);
  if (!fw::replaceFile(path_, bytes, &saved.reason)) return saved;
  saved.ok = true;
  base_ = std::make_shared<const std::string>(std::move(bytes));
  appended_.clear();
  return saved;
}

}  // namespace scores
