#include "scores/score_store.h"

#include "framework/prefs_files.h"
#include "scores/score_file.h"
#include "scores/score_merge.h"

namespace scores {

namespace {

// Room for the lines of many records, so that recording never copies a big list's bytes.
constexpr std::size_t kRecordRoom = 64 * 1024;

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
  base_.reserve(base_.size() + kRecordRoom);
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
  if (!endsInLineBreak(base_)) base_ += '\n';
  base_.append(line);
  base_ += '\n';
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
  std::string bytes;
  if (current.bytes == base_) {
    bytes = formatScoreFile(ours);
  } else {
    saved.merged = true;
    saved.rows = mergeScoreRows(ours, parseScoreFile(base_), parseScoreFile(current.bytes));
    bytes = formatScoreFile(saved.rows);
  }
  if (!fw::replaceFile(path_, bytes, &saved.reason)) return saved;
  saved.ok = true;
  base_ = std::move(bytes);
  base_.reserve(base_.size() + kRecordRoom);
  return saved;
}

}  // namespace scores
