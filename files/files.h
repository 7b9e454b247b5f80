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

#include "files/reason.h"

namespace fw {

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
  Reason reason;       // when unreadable
  FileState state;     // when read: the file as it was read
};

// The whole file, read without ever blocking: only a regular file (or a link
// to one) of at most maxBytes is read; a FIFO, a device or a folder in its
// place is unreadable, as is a file the system will not let us read or one
// there is no memory to hold.
FileContents readFile(const std::string& path, std::size_t maxBytes);

// Counts the bytes of the file for which `counted` is true, reading it a piece
// at a time; false, with the reason, when it cannot be read.
bool countBytes(const std::string& path, bool (*counted)(char), std::uint64_t* count, Reason* reason);

// Whether a replacement of the file that was cut short (a kill, a power
// cut) left its temporary beside it; removes such temporaries. Take the
// file's lock first: another program's replacement may be writing one now.
bool hasTemporaries(const std::string& path);
void removeTemporaries(const std::string& path);

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

  // The new file's mode is that of the file at path (a regular file): a
  // copy of a file is as private as the file.
  void takeModeOf(const std::string& path);
  void write(std::string_view bytes);
  // True once the new file has taken the old one's place; otherwise reason()
  // says why, and the old file is as it was.
  bool commit();
  const Reason& reason() const { return reason_; }
  // The new file as committed.
  const FileState& state() const { return state_; }

private:
  bool flush();
  bool fail(Reason why);

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  std::string buffer_;
  Reason reason_;
  FileState state_;
};

// Appends one line and its LF in a single write, creating the file if needed.
// A file that does not end in a line break gets one first, so no two lines are
// ever glued together. A write that fails part-way is cut back, leaving the
// file as it was; then false is returned and reason says why.
struct Appended {
  bool ok = false;
  bool lineBreakFirst = false;  // the file lacked its last line break
  Reason reason;                // when not ok
  FileState state;              // when ok: the file after the line
};
Appended appendLine(const std::string& path, std::string_view line);

}  // namespace fw
