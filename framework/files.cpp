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

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

std::string configurationFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
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

void makeFolderOf(const std::string& path) { QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath()); }

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
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString().toStdString());
  // The new bytes reach the disk before they take the old file's place, so
  // not even a power cut leaves a half-written list behind.
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush() || ::fsync(file.handle()) != 0) {
    const std::string why = file.errorString().toStdString();
    file.cancelWriting();
    return fail(why.empty() ? systemReason(errno) : why);
  }
  if (!file.commit()) return fail(file.errorString().toStdString());
  return true;
}

bool appendLine(const std::string& path, std::string_view line, std::string* reason) {
  const auto fail = [reason](std::string why) { return failure(reason, std::move(why)); };
  makeFolderOf(path);
  const Descriptor file(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666));
  if (file.get() < 0) return fail(systemReason(errno));
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
  errno = 0;
  if (impl_->file.tryLock(waitMilliseconds)) {
    outcome_ = Outcome::Locked;
    return;
  }
  // Qt names no cause of its own; the system's last word is the likeliest one (a full disk, say).
  const int error = errno;
  switch (impl_->file.error()) {
    case QLockFile::LockFailedError: outcome_ = Outcome::HeldElsewhere; break;
    case QLockFile::PermissionError: reason_ = systemReason(EACCES); break;
    default:
      if (error != 0) reason_ = systemReason(error);
      break;
  }
}

FileLock::~FileLock() = default;

}  // namespace fw
