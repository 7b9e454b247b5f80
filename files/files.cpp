// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "files/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <random>
#include <utility>

#include "files/system.h"

namespace fw {

using namespace files;

FileState FileState::of(const struct stat& info) {
  FileState state;
  state.known = true;
  state.device = info.st_dev;
  state.inode = info.st_ino;
  state.size = info.st_size;
  state.modified = info.st_mtim;
  state.changed = info.st_ctim;
  return state;
}

bool FileState::operator==(const FileState& other) const {
  const auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
  return known && other.known && device == other.device && inode == other.inode && size == other.size &&
         same(modified, other.modified) && same(changed, other.changed);
}

FileState stateOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? FileState::of(info) : FileState{};
}

namespace {

FileContents unreadable(Reason reason) {
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

// The temporaries of a file's replacements, "NAME.DIGITS.new": each is
// removed, or only looked for; whether there was one.
bool temporariesOf(const std::string& path, bool remove) {
  const std::string name = path.substr(path.rfind('/') + 1) + ".";
  DIR* folder = ::opendir(folderOf(path).c_str());
  if (!folder) return false;
  bool found = false;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view other = entry->d_name;
    if (!other.starts_with(name) || !other.ends_with(".new") || other.size() <= name.size() + 4) continue;
    const std::string_view digits = other.substr(name.size(), other.size() - name.size() - 4);
    if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      found = true;
      if (!remove) break;
      // A link of that name is removed, not what it leads to.
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
  }
  ::closedir(folder);
  return found;
}

// Gives the new file behind the descriptor the owner and group of `like`,
// where the system allows it (anyone may choose among their own groups),
// then its mode: an editor does the same.
void keepOwnerAndMode(int fd, const struct stat& like) {
  struct stat now {};
  if (::fstat(fd, &now) == 0 && (now.st_uid != like.st_uid || now.st_gid != like.st_gid)) {
    [[maybe_unused]] const int given = ::fchown(fd, like.st_uid, like.st_gid);
  }
  // After the owner: a change of owner clears the set-user-ID bit.
  [[maybe_unused]] const int kept = ::fchmod(fd, like.st_mode & 07777);
}

bool writeAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      if (wrote == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// A new file of a name no other has, "NAME.DIGITS.new" beside the target,
// opened for writing; -1, with errno, when none could be made.
int makeTemporary(const std::string& target, std::string* temporary) {
  std::random_device seed;
  std::mt19937 random(seed());
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    *temporary = target + "." + std::to_string(random() % 1000000000u) + ".new";
    fd = ::open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

}  // namespace

FileContents readFile(const std::string& path, std::size_t maxBytes) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | linkFlags()));
  if (file.get() < 0) return errno == ENOENT ? FileContents{} : unreadable(reasonFor(path, errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return unreadable(systemReason(errno));
  if (Reason refusal = refusalOf(info); !refusal.empty()) return unreadable(std::move(refusal));
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return tooLarge();

  FileContents contents;
  contents.status = FileContents::Status::Read;
  contents.state = FileState::of(info);
  std::string& bytes = contents.bytes;
  try {
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
  } catch (const std::bad_alloc&) {
    return unreadable(systemReason(ENOMEM));
  }
  return contents;
}

bool countBytes(const std::string& path, bool (*counted)(char), std::uint64_t* count, Reason* reason) {
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | linkFlags()));
  if (file.get() < 0) {
    *reason = reasonFor(path, errno);
    return false;
  }
  std::vector<char> piece(std::size_t{1} << 20);
  *count = 0;
  for (;;) {
    const ssize_t got = ::read(file.get(), piece.data(), piece.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      *reason = systemReason(errno);
      return false;
    }
    if (got == 0) return true;
    *count += static_cast<std::uint64_t>(std::count_if(piece.data(), piece.data() + got, counted));
  }
}

bool hasTemporaries(const std::string& path) { return temporariesOf(path, false); }

void removeTemporaries(const std::string& path) { temporariesOf(path, true); }

FileReplacement::FileReplacement(const std::string& path) : target_(path) {
  struct stat old {};
  if (!followsLinksHere() && ::lstat(path.c_str(), &old) == 0 && S_ISLNK(old.st_mode)) {
    fail(Reason(kLinkNotFollowed));
    return;
  }
  // The file a link leads to is the one replaced, as an editor replaces it.
  if (!followLinks(target_)) {
    fail(systemReason(ELOOP));
    return;
  }
  makeFolderOf(target_);
  const bool existed = ::stat(target_.c_str(), &old) == 0;
  if (existed) {
    if (Reason refusal = refusalOf(old); !refusal.empty()) {
      fail(std::move(refusal));
      return;
    }
    // A file the player made read-only stays as it is, as an editor leaves it.
    const Descriptor writable(::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (writable.get() < 0) {
      fail(reasonFor(path, errno, &target_));
      return;
    }
  }
  // Made beside the file, so that taking its place is a rename on one disk;
  // what a replacement cut short (a power cut, a kill) left there goes first.
  removeTemporaries(target_);
  fd_ = makeTemporary(target_, &temporary_);
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    fail(reasonFor(path, error, &target_));
    return;
  }
  // As editors do: a mode the player chose (even 0200) stays as it was, and
  // so does the group where the player is in it.
  if (existed) keepOwnerAndMode(fd_, old);
}

void FileReplacement::takeModeOf(const std::string& path) {
  struct stat like {};
  // The permission bits alone: no set-ID bit, and the owner stays the one who writes.
  if (fd_ >= 0 && ::stat(path.c_str(), &like) == 0 && S_ISREG(like.st_mode)) {
    [[maybe_unused]] const int kept = ::fchmod(fd_, like.st_mode & 0777);
  }
}

FileReplacement::~FileReplacement() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool FileReplacement::fail(Reason why) {
  if (reason_.empty()) reason_ = std::move(why);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  buffer_.clear();
  buffer_.shrink_to_fit();
  return false;
}

bool FileReplacement::flush() {
  if (fd_ < 0) return false;
  if (!writeAll(fd_, buffer_)) return fail(systemReason(errno));
  buffer_.clear();
  return true;
}

void FileReplacement::write(std::string_view bytes) {
  // Written a piece at a time: a list of a gigabyte needs no second gigabyte of memory.
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  if (fd_ < 0) return;
  if (buffer_.capacity() < kPiece) buffer_.reserve(kPiece);
  if (buffer_.size() + bytes.size() > kPiece && !flush()) return;
  if (bytes.size() >= kPiece) {
    if (!writeAll(fd_, bytes)) fail(systemReason(errno));
    return;
  }
  buffer_.append(bytes);
}

bool FileReplacement::commit() {
  if (!flush()) return false;
  // The new bytes reach the disk before they take the old file's place, so
  // not even a power cut leaves a half-written list behind.
  if (::fsync(fd_) != 0) return fail(systemReason(errno));
  const int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0 && errno != EINTR) return fail(systemReason(errno));
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(reasonFor(target_, errno));
  temporary_.clear();
  // The rename itself reaches the disk with its folder.
  const Descriptor folder(::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  state_ = stateOf(target_);
  return true;
}

Appended appendLine(const std::string& path, std::string_view line) {
  Appended appended;
  const auto fail = [&appended](Reason why) {
    appended.reason = std::move(why);
    return appended;
  };
  makeFolderOf(path);
  const Descriptor file(
      ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | linkFlags(), 0666));
  if (file.get() < 0) return fail(reasonFor(path, errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return fail(systemReason(errno));
  if (Reason refusal = refusalOf(info); !refusal.empty()) return fail(std::move(refusal));

  const off_t oldSize = info.st_size;
  char last = '\n';
  if (oldSize > 0 && ::pread(file.get(), &last, 1, oldSize - 1) != 1) return fail(systemReason(errno));
  std::string bytes;
  appended.lineBreakFirst = last != '\n' && last != '\r';
  if (appended.lineBreakFirst) bytes += '\n';
  bytes.append(line);
  bytes += '\n';
  if (!writeAll(file.get(), bytes)) {
    const Reason why = systemReason(errno);
    // Half a line would read back later as a row with the wrong score.
    [[maybe_unused]] const int cut = ::ftruncate(file.get(), oldSize);
    return fail(why);
  }
  if (::fstat(file.get(), &info) == 0) appended.state = FileState::of(info);
  appended.ok = true;
  return appended;
}

}  // namespace fw
