// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the files room's parts share of the system's calls.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "files/folder.h"
#include "files/reason.h"

namespace fw::files {

// The system's own words for an error, in the language its locale gives them.
inline Reason systemReason(int error) { return Reason::verbatim(std::strerror(error)); }

inline std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of links leads to, however far; false for a chain without end.
inline bool followLinks(std::string& path) {
  std::vector<char> target(PATH_MAX);
  for (int hop = 0; hop < 40; ++hop) {
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return true;  // not a link
    std::string next(target.data(), static_cast<std::size_t>(length));
    path = next.starts_with('/') ? next : folderOf(path) + "/" + next;
  }
  return false;
}

// Opening flags that keep a thread that follows no links from following one.
inline int linkFlags() { return followsLinksHere() ? 0 : O_NOFOLLOW; }

inline const char* const kLinkNotFollowed =
    QT_TRANSLATE_NOOP("Reasons", "it is a link, which a game run as root does not follow in a folder others may write to");

// The system's reason, and where the path is a link the game was not let
// through, the file it leads to: the player then knows which file was left
// alone. A step that followed the link itself names the file it tried
// (resolved), which the link may no longer lead to by the time it is told.
inline Reason reasonFor(const std::string& path, int error, const std::string* resolved = nullptr) {
  struct stat info {};
  const bool link = ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
  if (error == ELOOP && link && !followsLinksHere()) return Reason(kLinkNotFollowed);
  Reason reason = systemReason(error);
  if ((error != EACCES && error != EPERM) || !link) return reason;
  std::string target = path;
  if (resolved) {
    target = *resolved;
  } else {
    followLinks(target);
  }
  //: %1 is the system's reason, %2 the file the link leads to.
  return Reason(QT_TRANSLATE_NOOP("Reasons", "%1 (it is a link to %2)"), {reason, Reason::verbatim(target)});
}

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

private:
  int fd_;
};

// Why a file of this kind cannot be one of ours; empty for a regular file.
inline Reason refusalOf(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) return Reason(QT_TRANSLATE_NOOP("Reasons", "it is a folder, not a file"));
  return Reason(QT_TRANSLATE_NOOP("Reasons", "it is not a regular file"));
}

inline void makeFolderOf(const std::string& path) { makeFolder(folderOf(path)); }

}  // namespace fw::files
