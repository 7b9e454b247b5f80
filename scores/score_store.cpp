// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>

#include "files/lock.h"
#include "scores/score_file.h"

namespace scores {

namespace {

// Files larger than this are refused: a list of five million rows is under 200 MB.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 30;
// Far more rows than players record in a lifetime: a list of more would take
// gigabytes to hold, and could end the game before its window opens.
constexpr std::uint64_t kMaxRows = std::uint64_t{1} << 24;

// The reasons are said in the player's language by the window that tells them.
using fw::Reason;

const char* const kNoFolder = QT_TRANSLATE_NOOP("Reasons", "there is no preferences folder");
const char* const kNoRights = QT_TRANSLATE_NOOP("Reasons", "the game could not take on the rights of the folder's owner");

std::uint64_t lineEndsIn(std::string_view bytes) {
  return static_cast<std::uint64_t>(std::count_if(bytes.begin(), bytes.end(), isLineEnd));
}

// Whether a file of that size may hold more rows than that; a row takes three bytes at least (",1" and a line end).
bool mayHoldTooManyRows(std::uint64_t size) { return (size + 1) / 3 > kMaxRows; }

// Whether reading refuses a file of that size and so many line ends for its rows.
bool tooManyRows(std::uint64_t size, std::uint64_t lineEnds) { return mayHoldTooManyRows(size) && lineEnds >= kMaxRows; }

// The same for the bytes as read: a last line without its line break counts
// with the one a save gives it, so that a list read is a list that can be
// saved. Their line ends are counted here unless known, and only where the
// size leaves room for too many.
bool tooManyRows(std::string_view bytes, std::optional<std::uint64_t> lineEnds = {}) {
  const bool unended = !bytes.empty() && !isLineEnd(bytes.back());
  if (!mayHoldTooManyRows(bytes.size() + unended)) return false;
  return tooManyRows(bytes.size() + unended, (lineEnds ? *lineEnds : lineEndsIn(bytes)) + unended);
}

// What the game writes must be a file it reads back.
const char* const kWouldBeTooLarge = QT_TRANSLATE_NOOP("Reasons", "it would be larger than 1 GiB");
const char* const kWouldHaveTooManyRows = QT_TRANSLATE_NOOP("Reasons", "it would have more than 16 million lines");

const char* const kHasTooManyRows = QT_TRANSLATE_NOOP("Reasons", "it has more than 16 million lines");

// Why the game will not take a file's contents as a list; empty when it will.
Reason contentsRefusal(const fw::FileContents& file, bool countRows = true) {
  switch (file.status) {
    case fw::FileContents::Status::Unreadable: return file.reason;
    case fw::FileContents::Status::TooLarge: return Reason(QT_TRANSLATE_NOOP("Reasons", "it is larger than 1 GiB"));
    case fw::FileContents::Status::Read:
    case fw::FileContents::Status::Missing: break;
  }
  return countRows && tooManyRows(file.bytes) ? Reason(kHasTooManyRows) : Reason();
}

// The system's words, as for any other error.
Reason outOfMemory() { return Reason::verbatim(std::strerror(ENOMEM)); }

// Who holds the lock, as far as its lock file says: a whole sentence for each
// case, so that every language can put the words where they belong.
Reason heldElsewhere(const fw::FileLock& held) {
  const Reason process = Reason::verbatim(std::to_string(held.holderProcess()));
  const Reason host = Reason::verbatim(held.holderHost());
  if (held.holderProcess() > 0 && !held.holderHost().empty()) {
    //: %1 is a process number, %2 the name of another computer.
    return Reason(QT_TRANSLATE_NOOP("Reasons", "another game, process %1 on %2, kept it locked"), {process, host});
  }
  if (held.holderProcess() > 0) {
    //: %1 is a process number.
    return Reason(QT_TRANSLATE_NOOP("Reasons", "another game, process %1, kept it locked"), {process});
  }
  if (!held.holderHost().empty()) {
    //: %1 is the name of another computer.
    return Reason(QT_TRANSLATE_NOOP("Reasons", "another game on %1, kept it locked"), {host});
  }
  return Reason(QT_TRANSLATE_NOOP("Reasons", "another game kept it locked"));
}

}  // namespace

ScoreStore::ScoreStore(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds)
    : folder_(folder), path_(folder.empty() ? std::string() : folder + "/" + fileName), lockWait_(lockWaitMilliseconds) {}

fw::FileRights ScoreStore::rights(bool makeFolder) const {
  if (makeFolder) {
    // Made as the owner of the folder above would make it; then it is the
    // folder as it stands, whoever made it, that says whose rights are taken.
    const fw::ActingWith maker(fw::rightsInFolder(folder_));
    if (maker.taken()) fw::makeFolder(folder_);
  }
  return fw::rightsInFolder(folder_);
}

std::unique_ptr<fw::FileLock> ScoreStore::lock(Reason* reason) const {
  const std::string lockPath = path_ + ".lock";
  auto held = std::make_unique<fw::FileLock>(lockPath, lockWait_);
  switch (held->outcome()) {
    case fw::FileLock::Outcome::Locked: return held;
    case fw::FileLock::Outcome::HeldElsewhere: *reason = heldElsewhere(*held); break;
    case fw::FileLock::Outcome::Abandoned:
      // Where it is, so that the player can remove it.
      //: %1 is the lock file's path, %2 the system's reason.
      *reason = Reason(QT_TRANSLATE_NOOP("Reasons", "it is locked by a lock file that the game may neither read nor "
                                                    "remove, %1 (%2); once it is removed, the game can use the list"),
                       {Reason::verbatim(lockPath), held->reason()});
      break;
    case fw::FileLock::Outcome::InTheWay:
      //: %1 is the lock file's name, %2 what stands in its place.
      *reason = Reason(QT_TRANSLATE_NOOP("Reasons", "its lock file %1 is in the way: %2"),
                       {Reason::verbatim(lockPath.substr(lockPath.rfind('/') + 1)), held->reason()});
      break;
    case fw::FileLock::Outcome::NotMade:
      if (held->reason().empty()) {
        *reason = Reason(QT_TRANSLATE_NOOP("Reasons", "its lock file could not be made"));
      } else {
        //: %1 is the system's reason.
        *reason = Reason(QT_TRANSLATE_NOOP("Reasons", "its lock file could not be made: %1"), {held->reason()});
      }
      break;
  }
  return nullptr;
}

void ScoreStore::removeLeftTemporaries() const {
  // Only while no other game holds the lock: its save may be writing one now.
  if (!fw::hasTemporaries(path_)) return;
  const fw::FileLock held(path_ + ".lock", 0);
  if (held.outcome() == fw::FileLock::Outcome::Locked) fw::removeTemporaries(path_);
}

scores::RowTable ScoreStore::base() const {
  if (!readBytes_) return baseRows_;
  scores::RowTable rows = parseScoreFile(readBytes_);
  rows.append(scores::RowTable(baseRows_));
  return rows;
}

scores::RowTable ScoreStore::load() {
  if (path_.empty()) {
    problem_ = Reason(kNoFolder);
    return scores::RowTable(2);
  }
  const fw::ActingWith acting(rights(false));
  if (!acting.taken()) {
    problem_ = Reason(kNoRights);
    return scores::RowTable(2);
  }
  try {
    removeLeftTemporaries();
    fw::FileContents file = fw::readFile(path_, kMaxFileBytes);
    problem_ = contentsRefusal(file, false);
    if (!problem_.empty()) return scores::RowTable(2);
    // The rows read their cells in these bytes: the file is held once. Too
    // many lines are told while reading, which then stops.
    const auto text = std::make_shared<const std::string>(std::move(file.bytes));
    linesLeftOut_ = 0;
    scores::RowTable rows =
        parseScoreFile(text, &lineEnds_, mayHoldTooManyRows(text->size()) ? kMaxRows : UINT64_MAX, &linesLeftOut_);
    backupDue_ = linesLeftOut_ > 0;
    if (tooManyRows(*text, lineEnds_)) {
      problem_ = Reason(kHasTooManyRows);
      return scores::RowTable(2);
    }
    readBytes_ = text;
    baseRows_ = scores::RowTable(2);
    left_ = file.state;
    endsInLineBreak_ = text->empty() || isLineEnd(text->back());
    return rows;
  } catch (const std::bad_alloc&) {
    problem_ = outOfMemory();
    readBytes_.reset();
    baseRows_ = scores::RowTable(2);
    return scores::RowTable(2);
  }
}

ScoreStore::Recorded ScoreStore::record(std::string_view name, std::string_view score) {
  Recorded recorded;
  recorded.inFile = append(name, score, &recorded.reason);
  // A file left alone since the start is not saved either.
  recorded.savedAtClose = !recorded.inFile && problem_.empty() && !path_.empty();
  return recorded;
}

Reason ScoreStore::refusalAfterAppending(const std::string& line, const fw::FileState& now, bool asLeft) const {
  // The file as the append would leave it, judged as reading judges it. A
  // file this game left as it is need not be read for that; one another
  // game changed is counted a piece at a time, where its size leaves room
  // for too many lines, and assumed to lack its last line break.
  if (!now.known) return {};
  const std::uint64_t breakFirst = asLeft && endsInLineBreak_ ? 0 : 1;
  const std::uint64_t grown = static_cast<std::uint64_t>(now.size) + breakFirst + line.size() + 1;
  if (grown > kMaxFileBytes) return Reason(kWouldBeTooLarge);
  std::uint64_t lineEnds = lineEnds_;
  Reason reason;
  if (!asLeft && mayHoldTooManyRows(grown) && !fw::countBytes(path_, isLineEnd, &lineEnds, &reason)) return reason;
  if (tooManyRows(grown, lineEnds + breakFirst + lineEndsIn(line) + 1)) return Reason(kWouldHaveTooManyRows);
  return {};
}

bool ScoreStore::append(std::string_view name, std::string_view score, Reason* reason) {
  if (path_.empty()) {
    *reason = Reason(kNoFolder);
    return false;
  }
  if (!problem_.empty()) {
    *reason = Reason(QT_TRANSLATE_NOOP("Reasons", "it could not be read when the game started, so it is left as it is"));
    return false;
  }
  const fw::ActingWith acting(rights(true));
  if (!acting.taken()) {
    *reason = Reason(kNoRights);
    return false;
  }
  const auto held = lock(reason);
  if (!held) return false;
  try {
    std::string line;
    appendScoreLine(line, name, score);
    const fw::FileState now = fw::stateOf(path_);
    const bool asLeft = now == left_;
    *reason = refusalAfterAppending(line, now, asLeft);
    if (!reason->empty()) return false;
    const fw::Appended appended = fw::appendLine(path_, line);
    if (!appended.ok) {
      *reason = appended.reason;
      return false;
    }
    // What the file holds is still known where this game was the last to write it.
    left_ = asLeft ? appended.state : fw::FileState{};
    lineEnds_ += (appended.lineBreakFirst ? 1 : 0) + lineEndsIn(line) + 1;
    endsInLineBreak_ = true;
    // The line as a later reading takes it: a line without a score is no row.
    const Line read = readLine(line.data(), line.data() + line.size());
    if (read.hasRow) baseRows_.add({read.name, read.score});
    return true;
  } catch (const std::bad_alloc&) {
    *reason = outOfMemory();
    return false;
  }
}

Reason ScoreStore::othersSince(const scores::RowTable& ours, OthersChanges* others) const {
  // Most often nobody else touched the file, and our rows are the whole story.
  if (fw::stateOf(path_) == left_) return {};
  const fw::FileContents current = fw::readFile(path_, kMaxFileBytes);
  Reason refusal = contentsRefusal(current);
  if (refusal.empty()) *others = othersChanges(ours, base(), current.bytes);
  return refusal;
}

Reason ScoreStore::keepUnreadableLines() {
  // The first save after reading would lose lines it could not read: the
  // file as read is kept beside it first, and the save waits for that.
  if (!backupDue_ || !readBytes_) return {};
  fw::FileReplacement copy(backupPath());
  copy.takeModeOf(path_);
  copy.write(*readBytes_);
  if (!copy.commit()) {
    //: %1 is the copy's path, %2 the system's reason.
    return Reason(QT_TRANSLATE_NOOP("Reasons", "the lines it could not read could not be kept in %1 first: %2"),
                  {Reason::verbatim(backupPath()), copy.reason()});
  }
  backupDue_ = false;
  return {};
}

Reason ScoreStore::write(const scores::RowTable& rows) {
  // Written as it is formatted, a line at a time, and given up at once
  // when it would make a file that reading refuses.
  fw::FileReplacement file(path_);
  std::uint64_t bytes = 0;
  std::uint64_t lineEnds = 0;
  writeScoreFile(rows, [&](std::string_view line) {
    bytes += line.size();
    lineEnds += lineEndsIn(line);
    if (bytes <= kMaxFileBytes) file.write(line);
  });
  if (bytes > kMaxFileBytes || tooManyRows(bytes, lineEnds)) {
    return Reason(bytes > kMaxFileBytes ? kWouldBeTooLarge : kWouldHaveTooManyRows);
  }
  if (!file.commit()) return file.reason();
  left_ = file.state();
  lineEnds_ = lineEnds;
  endsInLineBreak_ = true;
  return {};
}

ScoreStore::Saved ScoreStore::save(const scores::RowTable& ours) {
  Saved saved;
  if (!problem_.empty()) {
    // Never overwrite what could not be read: the player was told at the start.
    saved.ok = true;
    return saved;
  }
  if (path_.empty()) {
    saved.reason = Reason(kNoFolder);
    return saved;
  }
  const fw::ActingWith acting(rights(true));
  if (!acting.taken()) {
    saved.reason = Reason(kNoRights);
    return saved;
  }
  const auto held = lock(&saved.reason);
  if (!held) return saved;
  try {
    saved.reason = othersSince(ours, &saved.others);
    if (!saved.reason.empty()) return saved;
    saved.reason = keepUnreadableLines();
    if (saved.reason.empty()) {
      scores::RowTable written = withOthersChanges(ours, saved.others);
      saved.reason = write(written);
      if (saved.reason.empty()) {
        readBytes_.reset();
        baseRows_ = std::move(written);
        saved.ok = true;
        return saved;
      }
    }
    // Nothing of theirs came into the file, so nothing comes into the list.
    saved.others = {};
  } catch (const std::bad_alloc&) {
    saved = Saved{};
    saved.reason = outOfMemory();
  }
  return saved;
}

}  // namespace scores
