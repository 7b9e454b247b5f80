// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Text files in the user's preferences folder. Files are bytes: nothing is
// converted on reading or writing.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// The platform's per-user configuration folder (on Linux $XDG_CONFIG_HOME,
// by default ~/.config), unless overridden; empty when there is none.
std::string preferencesFolder();
// Points the preferences folder elsewhere (tests); an empty path restores the default.
void setPreferencesFolder(std::string path);

// Path of a named child of the preferences folder; empty when there is no folder.
std::string preferencesFile(const std::string& name);

bool fileExists(const std::string& path);

// Files larger than this are refused: a list of five million rows is under 100 MB.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

struct FileContents {
  enum class Status { Read, Missing, Unreadable };
  Status status = Status::Missing;
  std::string bytes;   // when read
  std::string reason;  // when unreadable: the system's reason, for the player
};

// The whole file, read without ever blocking: only a regular file (or a link
// to one) of at most kMaxFileBytes is read; a FIFO, a device or a folder in
// its place is unreadable, as is a file the system will not let us read.
FileContents readFile(const std::string& path);

// Replaces the file atomically: the new bytes reach the disk under a temporary
// name first and take the file's place only when complete. On any failure the
// old file stays whole, false is returned and reason (if given) says why.
bool replaceFile(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

// Appends one line and its LF in a single write, creating the file if needed.
// A file that does not end in a line break gets one first, so no two lines are
// ever glued together. A write that fails part-way is cut back, leaving the
// file as it was; then false is returned and reason (if given) says why.
bool appendLine(const std::string& path, std::string_view line, std::string* reason = nullptr);

// Holds the lock beside a file (its name plus ".lock") for as long as it
// lives, so that two games never write the same file at once. It waits two
// seconds at most for another holder; a lock left by a process that has died
// is taken over, and anything but a file in the lock's place is refused.
class FileLock {
public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool locked() const { return locked_; }
  // Why the lock could not be had.
  const std::string& reason() const { return reason_; }

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool locked_ = false;
  std::string reason_;
};

// Tests make a save fail just before its new file would take the old one's place,
void setFailSavesBeforeReplacing(bool fail);
// and shorten the wait for a lock held elsewhere (the wait it replaces is returned).
int setLockWaitMilliseconds(int milliseconds);

}  // namespace fw
