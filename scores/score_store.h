// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One score list's file, kept safe from other games and other users: it
// remembers the file as this game last read or wrote it, so that a save keeps
// what other games (or a hand edit) did meanwhile; it never touches a file it
// could not read; and it works in the folder with the rights of the folder's
// owner, also when the game runs as root.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "files/files.h"
#include "files/folder.h"
#include "files/lock.h"
#include "files/reason.h"
#include "scores/row_table.h"
#include "scores/score_merge.h"

namespace scores {

// The files of the two lists, in the preferences folder.
constexpr const char* kStandardFile = "Veltrano.prefs";
constexpr const char* kExpertFile = "Veltrano2.prefs";

// How long a record or a save waits for another game that holds the file's lock.
constexpr int kLockWaitMilliseconds = 2000;

class ScoreStore {
public:
  // The file of that name in the folder; an empty folder means there is none to keep it in.
  ScoreStore(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds = kLockWaitMilliseconds);

  // The rows of the file; none when it is missing. A file that exists but
  // cannot be read (or held in memory) gives none either, and is left exactly
  // as it is from then on: problem() says why. So is the file of a store
  // without a folder.
  scores::RowTable load();
  // What a Record did to the file.
  struct Recorded {
    bool inFile = false;
    fw::Reason reason;          // why not
    bool savedAtClose = false;  // not in the file, but the save at closing writes it
  };
  // Appends a row's line under the file's lock, without reading the file
  // unless another game changed it. Not when the file has not got it, as
  // when it would take the file past what reading takes: the game writes no
  // file it would refuse to read.
  Recorded record(std::string_view name, std::string_view score);

  struct Saved {
    bool ok = false;
    fw::Reason reason;     // when not ok
    OthersChanges others;  // what other games did, now in the file beside ours
  };
  // Writes our rows back, atomically and under the file's lock, with what
  // other games did to the file since this game last read or wrote it; not
  // when that would be a file too large to read back. A file nobody else
  // changed is not read again, and no copy of the file's bytes is made.
  Saved save(const scores::RowTable& ours);

  const std::string& path() const { return path_; }
  // How many lines with text the file had, as load() read it, that the list
  // could not take whole, and where the first save keeps the file as read,
  // before it writes the list without them.
  std::uint64_t linesLeftOut() const { return linesLeftOut_; }
  std::string backupPath() const { return path_ + ".bak"; }
  // Why the file is left alone; empty when it was read (or was missing).
  const fw::Reason& problem() const { return problem_; }

private:
  bool append(std::string_view name, std::string_view score, fw::Reason* reason);
  // Why reading would refuse the file once the line is appended to it, as it is now; empty when it would not.
  fw::Reason refusalAfterAppending(const std::string& line, const fw::FileState& now, bool asLeft) const;
  // What other games did to the file since this game last read or wrote it;
  // why the file as it is now cannot be taken in, when it cannot.
  fw::Reason othersSince(const scores::RowTable& ours, OthersChanges* others) const;
  // Keeps the file as read beside it, when the first save would drop lines
  // it could not read; and writes the rows in the file's place. Each says
  // why it failed; empty when it did not.
  fw::Reason keepUnreadableLines();
  fw::Reason write(const scores::RowTable& rows);
  // Removes what a save cut short (a kill, a power cut) left beside the file.
  void removeLeftTemporaries() const;
  // The file's lock, held until it goes; none, with the reason, when it cannot be had.
  std::unique_ptr<fw::FileLock> lock(fw::Reason* reason) const;
  // The rights the file work takes, asked anew each time: those of the
  // folder's owner as the folder is now, made first where it must be.
  fw::FileRights rights(bool makeFolder) const;

  std::string folder_;
  std::string path_;
  int lockWait_;
  // What this game expects to find in the file: the rows of the bytes it
  // read (none once it has written the file), then baseRows_, the rows it
  // last wrote or has recorded since.
  scores::RowTable base() const;
  // The bytes as read, made into rows only when another game changed the
  // file: a list of millions of rows is not indexed twice while the game runs.
  std::shared_ptr<const std::string> readBytes_;
  scores::RowTable baseRows_{2};
  // The file as this game left it, with its line breaks: unknown once
  // another game changed it, until this game writes it again.
  fw::FileState left_;
  std::uint64_t lineEnds_ = 0;
  std::uint64_t linesLeftOut_ = 0;  // as read: set by load() alone
  bool backupDue_ = false;
  bool endsInLineBreak_ = true;
  fw::Reason problem_;
};

}  // namespace scores
