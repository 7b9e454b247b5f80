// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Files as bytes: nothing is converted on reading or writing, a read never
// blocks, a write is whole or not made at all, and every failure carries the
// system's reason.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// The user's configuration folder by the XDG base directory rules:
// $XDG_CONFIG_HOME when it is an absolute path, otherwise $HOME/.config; empty
// when HOME is not an absolute path either.
std::string configurationFolder();

struct FileContents {
  enum class Status { Read, Missing, TooLarge, Unreadable };
  Status status = Status::Missing;
  std::string bytes;   // when read
  std::string reason;  // when unreadable: the system's reason
};

// The whole file, read without ever blocking: only a regular file (or a link
// to one) of at most maxBytes is read; a FIFO, a device or a folder in its
// place is unreadable, as is a file the system will not let us read.
FileContents readFile(const std::string& path, std::size_t maxBytes);

// Replaces the file atomically: the new bytes reach the disk under a temporary
// name first and take the file's place only when complete. On any failure the
// old file stays whole, false is returned and reason says why. The new file
// keeps the old one's owner, group and mode where the system allows it.
bool replaceFile(const std::string& path, std::string_view bytes, std::string* reason);

// Appends one line and its LF in a single write, creating the file if needed.
// A file that does not end in a line break gets one first, so no two lines are
// ever glued together. A write that fails part-way is cut back, leaving the
// file as it was; then false is returned and reason says why.
// A file that root makes (here or in replaceFile) belongs to the owner and
// group of its folder, so that a game run with sudo in a player's folder
// leaves files the player can still write.
bool appendLine(const std::string& path, std::string_view line, std::string* reason);

// Holds a lock file for as long as it lives. It waits at most the given time
// for a live holder. A lock file that no live process holds (empty, unreadable,
// or left by a process that has gone) is taken over at once, and anything but
// a file in the lock's place is refused at once.
class FileLock {
public:
  // Abandoned: a lock file that no live process holds, which could not be removed.
  enum class Outcome { Locked, HeldElsewhere, Abandoned, InTheWay, NotMade };

  FileLock(const std::string& lockPath, int waitMilliseconds);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool locked() const { return outcome_ == Outcome::Locked; }
  Outcome outcome() const { return outcome_; }
  // InTheWay: what stands in the lock's place; Abandoned and NotMade: the
  // system's reason, where it gave one.
  const std::string& reason() const { return reason_; }
  // HeldElsewhere: the holder's process, 0 when its lock file does not name
  // it yet, and its host when that is another machine.
  long long holderProcess() const { return holderProcess_; }
  const std::string& holderHost() const { return holderHost_; }

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  Outcome outcome_ = Outcome::NotMade;
  std::string reason_;
  long long holderProcess_ = 0;
  std::string holderHost_;
};

}  // namespace fw
