// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "files/lock.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>
#include <utility>

#include "files/system.h"

namespace fw {

using namespace files;

namespace {

const char* const kLinkInTheWay = QT_TRANSLATE_NOOP("Reasons", "it is a link, not a file");

std::string hostName() {
  char name[HOST_NAME_MAX + 1] = {};
  ::gethostname(name, sizeof name - 1);
  return name;
}

// The process and host a lock file names: its first and third lines, as Qt's
// lock files and ours write them.
void readHolder(int fd, long long* process, std::string* host) {
  char bytes[512];
  const ssize_t got = ::pread(fd, bytes, sizeof bytes, 0);
  if (got <= 0) return;
  const std::string_view text(bytes, static_cast<std::size_t>(got));
  const std::size_t first = text.find('\n');
  const std::size_t second = first == std::string_view::npos ? first : text.find('\n', first + 1);
  const std::size_t third = second == std::string_view::npos ? second : text.find('\n', second + 1);
  *process = std::atoll(std::string(text.substr(0, first)).c_str());
  if (third != std::string_view::npos) {
    const std::string named(text.substr(second + 1, third - second - 1));
    if (!named.empty() && named != hostName()) *host = named;
  }
}

// Whether any process holds an flock on the file: told by the system's list of
// locks, for a lock file this user may not open to try.
bool heldByAnyone(const struct stat& file) {
  std::ifstream locks("/proc/locks");
  for (std::string line; std::getline(locks, line);) {
    if (line.find(" FLOCK ") == std::string::npos) continue;
    // "1: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF": the device in hex, the inode.
    std::istringstream fields(line);
    std::string number, kind, advisory, mode, process, where;
    fields >> number >> kind >> advisory >> mode >> process >> where;
    if (kind == "->") continue;  // a process waiting for the lock, not holding it
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &inode) == 3 && inode == file.st_ino &&
        major == ::major(file.st_dev) && minor == ::minor(file.st_dev)) {
      return true;
    }
  }
  return false;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, int waitMilliseconds) : path_(lockPath) {
  makeFolderOf(lockPath);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  // A lock that another game holds is waited for until the deadline; one
  // that changes under our hands (let go of, removed) is tried again at
  // once, but not for ever.
  const auto waited = [&] {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(std::chrono::milliseconds(10), deadline - now));
    return true;
  };
  for (int tries = 0; tries < 1000; ++tries) {
    const Try tried = tryOnce();
    if (tried == Try::Done) return;
    if (tried == Try::Wait && !waited()) break;
  }
  outcome_ = Outcome::HeldElsewhere;
}

FileLock::Try FileLock::done(Outcome outcome, Reason reason) {
  outcome_ = outcome;
  reason_ = std::move(reason);
  return Try::Done;
}

FileLock::Try FileLock::tryOnce() {
  // Qt's lock files and ours are held by an flock on the file, which the
  // system lets go of when the holder ends however it ends.
  struct stat info {};
  const bool there = ::lstat(path_.c_str(), &info) == 0;
  if (there && !S_ISREG(info.st_mode)) {
    return done(Outcome::InTheWay, S_ISLNK(info.st_mode) ? Reason(kLinkInTheWay) : refusalOf(info));
  }
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
  int error = errno;
  // Another user's lock file: reading it is enough to lock it.
  if (fd < 0 && there && (error == EACCES || error == EPERM)) {
    fd = ::open(path_.c_str(), O_RDONLY | kFlags);
    if (fd < 0 && errno != ENOENT) error = errno;
  }
  if (fd >= 0) {
    Descriptor file(fd);
    return lockOpened(file);
  }
  if (error == ELOOP) return done(Outcome::InTheWay, Reason(kLinkInTheWay));
  if ((error != EACCES && error != EPERM) || !there) {
    // It could not be made here (a folder not ours, a full disk), or was gone before it could be read.
    if (error == ENOENT && there) return Try::Again;
    return done(Outcome::NotMade, systemReason(error));
  }
  // A lock file this user may not read: held or not, as the system's list of locks tells.
  if (heldByAnyone(info)) return Try::Wait;
  if (::unlink(path_.c_str()) == 0 || errno == ENOENT) return Try::Again;
  return done(Outcome::Abandoned, systemReason(errno));
}

FileLock::Try FileLock::lockOpened(Descriptor& file) {
  const int fd = file.get();
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) return done(Outcome::NotMade, systemReason(errno));
    readHolder(fd, &holderProcess_, &holderHost_);
    return Try::Wait;
  }
  // Its holder removes a lock file as it lets go of it: one that is no
  // longer in the lock's place is not the lock any more.
  struct stat held {};
  struct stat now {};
  if (::fstat(fd, &held) != 0 || ::lstat(path_.c_str(), &now) != 0 || held.st_dev != now.st_dev ||
      held.st_ino != now.st_ino) {
    return Try::Again;
  }
  // Named for the message another game gives while it waits, and
  // readable by other users' games, which lock it by reading it.
  [[maybe_unused]] const int readable = ::fchmod(fd, 0644);
  const std::string holder = std::to_string(::getpid()) + "\n" + program_invocation_short_name + "\n" + hostName() + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t named = ::pwrite(fd, holder.data(), holder.size(), 0);
  }
  fd_ = file.release();
  return done(Outcome::Locked, {});
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  // Removed while still held, so that no other game takes it over in between.
  ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace fw
