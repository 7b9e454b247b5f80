// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

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

std::size_t lineEndsIn(std::string_view bytes) {
  return static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\n' || c == '\r'; }));
}

// Whether a file of that size may hold more rows than that; a row takes three bytes at least (",1" and a line end).
bool mayHoldTooManyRows(std::uintmax_t size) { return (size + 1) / 3 > kMaxRows; }

// Whether reading refuses a file of that size for its rows; only a large file's line ends are counted.
template <class CountLineEnds>
bool tooManyRows(std::uintmax_t size, CountLineEnds&& lineEnds) {
  return mayHoldTooManyRows(size) && lineEnds() >= kMaxRows;
}

bool tooManyRows(std::string_view bytes) {
  return tooManyRows(bytes.size(), [bytes] { return lineEndsIn(bytes); });
}

// What the game writes must be a file it reads back.
const char* const kWouldBeTooLarge = "it would be larger than 1 GiB";
const char* const kWouldHaveTooManyRows = "it would have more than 16 million lines";

std::string writingRefusalOf(std::string_view bytes) {
  if (bytes.size() > kMaxFileBytes) return kWouldBeTooLarge;
  return tooManyRows(bytes) ? kWouldHaveTooManyRows : "";
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
  const std::string lockPath = path_ + ".lock";
  auto held = std::make_unique<fw::FileLock>(lockPath, lockWait_);
  switch (held->outcome()) {
    case fw::FileLock::Outcome::Locked: return held;
    case fw::FileLock::Outcome::HeldElsewhere:
      *reason = "another game";
      if (held->holderProcess() > 0) *reason += ", process " + std::to_string(held->holderProcess());
      if (!held->holderHost().empty()) *reason += " on " + held->holderHost();
      *reason += ", kept it locked";
      break;
    case fw::FileLock::Outcome::Abandoned:
      // Where it is, so that the player can remove it.
      *reason = "it is locked by a lock file that no running game holds, " + lockPath +
                ", which the game could not remove (" + held->reason() + "); once it is removed, the game can use the list";
      break;
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
  if (path_.empty()) {
    problem_ = kNoFolder;
    return fw::RowTable(2);
  }
  fw::FileContents file = fw::readFile(path_, kMaxFileBytes);
  problem_ = refusalOf(file);
  if (!problem_.empty()) return fw::RowTable(2);
  // The rows read their cells in these bytes: the file is held once.
  base_ = std::make_shared<const std::string>(std::move(file.bytes));
  return parseScoreFile(base_);
}

std::string ScoreStore::growthRefusal(std::string_view line) const {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path_, error);
  if (error) return {};  // no file yet, or none the append can write to, which it will say
  if (size + line.size() + 1 > kMaxFileBytes) return kWouldBeTooLarge;
  // The usual file, far from the limits, is not read: the line adds two line ends at most.
  if (size + line.size() + 2 <= kMaxFileBytes && !mayHoldTooManyRows(size + line.size() + 2)) return {};
  const fw::FileContents file = fw::readFile(path_, kMaxFileBytes);
  if (std::string refusal = refusalOf(file); !refusal.empty()) return refusal;
  // The file as the append would leave it, judged as reading judges it.
  const std::size_t breakFirst = endsInLineBreak(file.bytes) ? 0 : 1;
  const std::size_t grown = file.bytes.size() + breakFirst + line.size() + 1;
  if (grown > kMaxFileBytes) return kWouldBeTooLarge;
  const auto lineEnds = [&] { return lineEndsIn(file.bytes) + breakFirst + lineEndsIn(line) + 1; };
  return tooManyRows(grown, lineEnds) ? kWouldHaveTooManyRows : "";
}

bool ScoreStore::record(std::string_view line, std::string* reason) {
  if (path_.empty()) {
    *reason = kNoFolder;
    return false;
  }
  if (!problem_.empty()) {
    *reason = "it could not be read when the game started, so it is left as it is";
    return false;
  }
  const auto held = lock(reason);
  if (!held) return false;
  if (std::string refusal = growthRefusal(line); !refusal.empty()) {
    *reason = std::move(refusal);
    return false;
  }
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
  saved.reason = writingRefusalOf(bytes);
  if (!saved.reason.empty()) return saved;
  if (!fw::replaceFile(path_, bytes, &saved.reason)) return saved;
  saved.ok = true;
  base_ = std::make_shared<const std::string>(std::move(bytes));
  appended_.clear();
  return saved;
}

}  // namespace scores
