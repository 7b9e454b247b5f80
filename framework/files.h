// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Files as bytes: paths are the bytes the system gave us, nothing is converted
// on reading or writing, a read never blocks, a write is whole or not made at
// all, and every failure carries the system's reason.
//
// Written on the system's calls rather than on QFile, QSaveFile and QLockFile:
// Qt names a file by a QString, which cannot hold a path that is not valid
// UTF-8 (a Latin-1 HOME), and QLockFile judges a lock by the process number
// it names, which another process may have taken since.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The user's configuration folder by the XDG base directory rules, in the
// bytes of the environment: $XDG_CONFIG_HOME when it is an absolute path,
// otherwise $HOME/.config; empty when HOME is not an absolute path either.
std::string configurationFolder();

// The rights that file work takes.
struct FileRights {
  uid_t user = 0;
  gid_t group = 0;
  std::vector<gid_t> groups;  // supplementary
  // False where root's own rights would follow a link that anyone may have put there.
  bool followsLinks = true;
};

// The rights of the user whose folder this is, for a game run as root: the
// owner of the outermost part of its path that root does not own (a player's
// HOME), found without following a link of theirs; root's own where every
// part is root's, following no link where others may write to the folder or
// replace a folder above it. Missing parts are taken as made by the owner of
// the part above them: ask again once the folder is made. A game not run as
// root has its own rights.
FileRights rightsInFolder(const std::string& folder);

// Makes the folder, and those above it that are missing, with the rights in force.
void makeFolder(const std::string& folder);

// While it lives, the file work of the calling thread has those rights, as
// that user's own game would: a game run as root (sudo keeps the player's
// HOME) then writes nothing the player could not write, follows no link the
// player could not follow, and everything it makes belongs to the player.
// Only this thread's file rights change, for as long as it lives.
class ActingWith {
public:
  explicit ActingWith(const FileRights& rights);
  ~ActingWith();
  ActingWith(const ActingWith&) = delete;
  ActingWith& operator=(const ActingWith&) = delete;
  // False when the rights could not be taken: then no file work may be done.
  bool taken() const { return taken_; }

private:
  bool changed_ = false;
  bool taken_ = true;
  bool followedLinks_;
  std::vector<gid_t> oldGroups_;
};

// What a file was when we last looked at it, to tell whether it has changed since.
struct FileState {
  bool known = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  static FileState of(const struct stat& info);
  bool operator==(const FileState& other) const;
};
// The file's state now, following links; unknown when it cannot be had.
FileState stateOf(const std::string& path);

struct FileContents {
  enum class Status { Read, Missing, TooLarge, Unreadable };
  Status status = Status::Missing;
  std::string bytes;   // when read
  std::string reason;  // when unreadable: the system's reason
  FileState state;     // when read: the file as it was read
};

// The whole file, read without ever blocking: only a regular file (or a link
// to one) of at most maxBytes is read; a FIFO, a device or a folder in its
// place is unreadable, as is a file the system will not let us read or one
// there is no memory to hold.
FileContents readFile(const std::string& path, std::size_t maxBytes);

// Counts the bytes of the file for which `counted` is true, reading it a piece
// at a time; false, with the reason, when it cannot be read.
bool countBytes(const std::string& path, bool (*counted)(char), std::uint64_t* count, std::string* reason);

// A file replaced atomically: the new bytes are written beside it under a
// temporary name, in pieces, and take its place only once all of them have
// reached the disk, keeping the old file's owner, group and mode where the
// system allows it. A replacement not committed leaves no trace, and the old
// file whole. A link is followed: the file it leads to is replaced.
class FileReplacement {
public:
  explicit FileReplacement(const std::string& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  void write(std::string_view bytes);
  // True once the new file has taken the old one's place; otherwise reason()
  // says why, and the old file is as it was.
  bool commit();
  const std::string& reason() const { return reason_; }
  // The new file as committed.
  const FileState& state() const { return state_; }

private:
  bool flush();
  bool fail(std::string why);

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  std::string buffer_;
  std::string reason_;
  FileState state_;
};

// The whole file replaced by the bytes at once, as FileReplacement does it.
bool replaceFile(const std::string& path, std::string_view bytes, std::string* reason);

// Appends one line and its LF in a single write, creating the file if needed.
// A file that does not end in a line break gets one first, so no two lines are
// ever glued together. A write that fails part-way is cut back, leaving the
// file as it was; then false is returned and reason says why.
struct Appended {
  bool ok = false;
  bool lineBreakFirst = false;  // the file lacked its last line break
  std::string reason;           // when not ok
  FileState state;              // when ok: the file after the line
};
Appended appendLine(const std::string& path, std::string_view line);

// Holds a lock file for as long as it lives, waiting at most the given time
// for another holder. A lock is held by a lock on the file itself, which
// the system lets go of when its holder ends however it ends: a lock file
// that nobody holds is taken over at once, whatever it says and whatever its
// age, and anything but a file in the lock's place is refused at once.
class FileLock {
public:
  // Abandoned: a lock file that can neither be read nor removed.
  enum class Outcome { Locked, HeldElsewhere, Abandoned, InTheWay, NotMade };

  FileLock(const std::string& lockPath, int waitMilliseconds);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  Outcome outcome() const { return outcome_; }
  // InTheWay: what stands in the lock's place; Abandoned and NotMade: the
  // system's reason, where it gave one.
  const std::string& reason() const { return reason_; }
  // HeldElsewhere: the holder's process, 0 when its lock file does not name
  // it (yet), and its host when that is another machine.
  long long holderProcess() const { return holderProcess_; }
  const std::string& holderHost() const { return holderHost_; }

private:
  std::string path_;
  int fd_ = -1;
  Outcome outcome_ = Outcome::NotMade;
  std::string reason_;
  long long holderProcess_ = 0;
  std::string holderHost_;
};

}  // namespace fw
