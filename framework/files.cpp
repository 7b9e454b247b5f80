// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

std::string configurationFolder() {
  // Qt takes a relative XDG_CONFIG_HOME as it stands, which would make the
  // lists depend on the folder the game was started from, and makes "//.config"
  // of a missing HOME; the XDG base directory rules ignore the one, and
  // without the other there is no folder.
  const auto absolute = [](const char* path) { return path && path[0] == '/'; };
  if (absolute(std::getenv("XDG_CONFIG_HOME"))) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
  }
  const char* home = std::getenv("HOME");
  if (!absolute(home)) return {};
  return QDir::cleanPath(QString::fromLocal8Bit(home) + "/.config").toStdString();
}

namespace {

std::string systemReason(int error) { return std::strerror(error); }

FileContents unreadable(std::string reason) {
  FileContents contents;
  contents.status = FileContents::Status::Unreadable;
  contents.reason = std::move(reason);
  return contents;
}

FileContents tooLarge() {
  FileContents contents;
  contents.status = FileContents::Status::TooLarge;
  return contents;
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

private:
  int fd_;
};

// Why a file of this kind cannot be one of ours; empty for a regular file.
std::string refusalOf(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
  return "it is not a regular file";
}

std::string folderOf(const std::string& path) { return QFileInfo(QString::fromStdString(path)).absolutePath().toStdString(); }

void makeFolderOf(const std::string& path) { QDir().mkpath(QString::fromStdString(folderOf(path))); }

// Gives the new file behind the descriptor the owner and group of `like`,
// where the system allows it (root may give a file away; anyone may choose
// among their own groups), then its mode when keepMode.
void takeOwnershipOf(int fd, const struct stat& like, bool keepMode) {
  struct stat now {};
  if (::fstat(fd, &now) == 0 && (now.st_uid != like.st_uid || now.st_gid != like.st_gid)) {
    [[maybe_unused]] const int given = ::fchown(fd, like.st_uid, like.st_gid);
  }
  // After the owner: a change of owner clears the set-user-ID bit.
  if (keepMode) [[maybe_unused]] const int kept = ::fchmod(fd, like.st_mode & 07777);
}

// A file that root makes belongs to its folder's owner (sudo keeps the
// player's HOME, and a root-owned list would lock the player out of it).
void giveNewFileToFolderOwner(int fd, const std::string& path) {
  struct stat folder {};
  if (::geteuid() == 0 && ::stat(folderOf(path).c_str(), &folder) == 0) takeOwnershipOf(fd, folder, false);
}

// Gives the reason and false.
bool failure(std::string* reason, std::string why) {
  *reason = std::move(why);
  return false;
}

}  // namespace

FileContents readFile(const std::string& path, std::size_t maxBytes) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return errno == ENOENT ? FileContents{} : unreadable(systemReason(errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return unreadable(systemReason(errno));
  if (std::string refusal = refusalOf(info); !refusal.empty()) return unreadable(std::move(refusal));
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return tooLarge();

  FileContents contents;
  contents.status = FileContents::Status::Read;
  std::string& bytes = contents.bytes;
  // One byte more than the size, to see a file that grew while it was read.
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      if (have > maxBytes) return tooLarge();
      bytes.resize(std::min(have * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + have, bytes.size() - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return unreadable(systemReason(errno));
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(have);
  return contents;
}

bool replaceFile(const std::string& path, std::string_view bytes, std::string* reason) {
  const auto fail = [reason](std::string why) { return failure(reason, std::move(why)); };
  makeFolderOf(path);
  // The file a link leads to is the one replaced, as Qt does.
  struct stat old {};
  const bool existed = ::stat(path.c_str(), &old) == 0;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString().toStdString());
  // As editors do: a list rewritten by a game run as root stays the player's,
  // and a mode the player chose (even 0200) stays as it was.
  if (existed) {
    takeOwnershipOf(file.handle(), old, true);
  } else {
    giveNewFileToFolderOwner(file.handle(), path);
  }
  // The new bytes reach the disk before they take the old file's place, so
  // not even a power cut leaves a half-written list behind.
  errno = 0;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush() || ::fsync(file.handle()) != 0) {
    // The system's word ("No space left on device") says more than Qt's, which may be "Unknown error".
    const int error = errno;
    const std::string why = error != 0 ? systemReason(error) : file.errorString().toStdString();
    file.cancelWriting();
    return fail(why);
  }
  if (!file.commit()) return fail(file.errorString().toStdString());
  return true;
}

bool appendLine(const std::string& path, std::string_view line, std::string* reason) {
  const auto fail = [reason](std::string why) { return failure(reason, std::move(why)); };
  makeFolderOf(path);
  constexpr int kFlags = O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  int opened = ::open(path.c_str(), kFlags);
  bool made = false;
  if (opened < 0 && errno == ENOENT) {
    opened = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    made = opened >= 0;
    // Another game made it first.
    if (opened < 0 && errno == EEXIST) opened = ::open(path.c_str(), kFlags);
  }
  const Descriptor file(opened);
  if (file.get() < 0) return fail(systemReason(errno));
  if (made) giveNewFileToFolderOwner(file.get(), path);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return fail(systemReason(errno));
  if (std::string refusal = refusalOf(info); !refusal.empty()) return fail(std::move(refusal));

  const off_t oldSize = info.st_size;
  char last = '\n';
  if (oldSize > 0 && ::pread(file.get(), &last, 1, oldSize - 1) != 1) return fail(systemReason(errno));
  std::string bytes;
  bytes.reserve(line.size() + 2);
  if (last != '\n' && last != '\r') bytes += '\n';
  bytes.append(line);
  bytes += '\n';

  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t wrote = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      const std::string why = wrote < 0 ? systemReason(errno) : "nothing could be written";
      // Half a line would read back later as a row with the wrong score.
      [[maybe_unused]] const int cut = ::ftruncate(file.get(), oldSize);
      return fail(why);
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

struct FileLock::Impl {
  explicit Impl(const QString& path) : file(path) {}
  QLockFile file;
};

namespace {

// Who holds a lock file now, after a lock file that nobody holds was taken over.
struct Holder {
  enum class Kind { Nobody, Live, Stuck };
  Kind kind = Kind::Nobody;
  long long process = 0;
  std::string host;
  std::string reason;  // Stuck: why the lock file could not be removed
};

// Qt takes over a lock file only when it may write to it, and one that names
// no process only once it is 30 seconds old, telling neither apart from a
// live game's: an empty lock file, or another user's left by a crash, would
// block for that long or for good. A lock file that no live process holds is
// removed here at once instead.
Holder takeOverDeadLock(const QLockFile& lock, const std::string& path) {
  Holder holder;
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
  if (file.get() < 0 && errno != EACCES) return holder;  // none (or nothing Qt cannot see for itself)
  if (file.get() >= 0) {
    // A holder keeps an flock on its lock file, even before it has written
    // its process there; holding one ourselves until the file is gone keeps
    // two games from removing a lock that one of them has just made.
    const bool flocked = ::flock(file.get(), LOCK_EX | LOCK_NB) != 0;
    qint64 process = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&process, &host, &application)) {
      holder.process = process;
      if (!host.isEmpty() && host != QSysInfo::machineHostName()) holder.host = host.toStdString();
    }
    const bool running = holder.process > 0 && (!holder.host.empty() || ::kill(static_cast<pid_t>(holder.process), 0) == 0 ||
                                                errno != ESRCH);
    if (flocked || running) {
      holder.kind = Holder::Kind::Live;
      return holder;
    }
    struct stat opened {};
    struct stat now {};
    const bool same = ::fstat(file.get(), &opened) == 0 && ::lstat(path.c_str(), &now) == 0 &&
                      opened.st_dev == now.st_dev && opened.st_ino == now.st_ino;
    if (!same) return holder;  // replaced since: the next try sees the new one
  }
  // An unreadable lock file is taken over too: its process cannot be known.
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    holder.kind = Holder::Kind::Stuck;
    holder.reason = systemReason(errno);
  }
  return holder;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, int waitMilliseconds) {
  makeFolderOf(lockPath);
  // Qt would wait for ever on a FIFO in the lock's place, or read a device without end.
  struct stat info {};
  if (::lstat(lockPath.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    outcome_ = Outcome::InTheWay;
    reason_ = S_ISLNK(info.st_mode) ? std::string("it is a link, not a file") : refusalOf(info);
    return;
  }
  impl_ = std::make_unique<Impl>(QString::fromStdString(lockPath));
  QLockFile& lock = impl_->file;
  Holder holder = takeOverDeadLock(lock, lockPath);
  const auto abandoned = [this, &holder] {
    outcome_ = Outcome::Abandoned;
    reason_ = holder.reason;
  };
  if (holder.kind == Holder::Kind::Stuck) {
    abandoned();
    return;
  }
  errno = 0;
  if (lock.tryLock(waitMilliseconds)) {
    outcome_ = Outcome::Locked;
    return;
  }
  // Qt names no cause of its own; the system's last word is the likeliest one (a full disk, say).
  const int error = errno;
  switch (lock.error()) {
    case QLockFile::LockFailedError:
      // The holder may have gone while we waited, leaving a lock that Qt cannot take over.
      holder = takeOverDeadLock(lock, lockPath);
      if (holder.kind == Holder::Kind::Nobody && lock.tryLock(0)) {
        outcome_ = Outcome::Locked;
      } else if (holder.kind == Holder::Kind::Stuck) {
        abandoned();
      } else {
        outcome_ = Outcome::HeldElsewhere;
        holderProcess_ = holder.process;
        holderHost_ = holder.host;
      }
      break;
    case QLockFile::PermissionError: reason_ = systemReason(EACCES); break;
    default:
      if (error != 0) reason_ = systemReason(error);
      break;
  }
}

FileLock::~FileLock() = default;

}  // namespace fw
