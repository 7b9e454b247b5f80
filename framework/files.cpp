// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <new>
#include <random>
#include <thread>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/sysmacros.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fw {

std::string configurationFolder() {
  // The environment's bytes as they are: a HOME that is not valid UTF-8 names
  // the same folder as it does for every other program. A relative
  // XDG_CONFIG_HOME is ignored, as the XDG base directory rules say, and
  // without an absolute HOME there is no folder.
  const auto absolute = [](const char* path) { return path && path[0] == '/'; };
  std::filesystem::path folder;
  if (const char* configHome = std::getenv("XDG_CONFIG_HOME"); absolute(configHome)) {
    folder = configHome;
  } else if (const char* home = std::getenv("HOME"); absolute(home)) {
    folder = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  std::string clean = folder.lexically_normal().native();
  if (clean.size() > 1 && clean.back() == '/') clean.pop_back();
  return clean;
}

FileRights rightsInFolder(const std::string& folder) {
  FileRights rights{::geteuid(), ::getegid(), {}};
  if (rights.user != 0 || folder.empty() || folder[0] != '/') return rights;
  // Only root's own parts are taken on trust. The first part of another
  // user's (their HOME) is theirs, and so is whatever lies under it, links
  // and all: a link of theirs to a folder of root's is not followed as root.
  // Where every part is root's but others may write to one, a link found
  // there may be anyone's: root follows none.
  const auto othersMayWrite = [](const struct stat& part) { return (part.st_mode & (S_IWGRP | S_IWOTH)) != 0; };
  struct stat info {};
  bool found = false;
  for (std::size_t end = folder.find('/', 1); !found; end = folder.find('/', end + 1)) {
    const std::string part = folder.substr(0, end);
    if (::lstat(part.c_str(), &info) != 0) break;  // what is missing will be made as the part above's owner
    found = info.st_uid != 0;
    const bool last = end == std::string::npos;
    // Others may put a link in the folder itself, and replace what a folder above holds unless it is sticky.
    if (!found && S_ISDIR(info.st_mode) && othersMayWrite(info) && (last || !(info.st_mode & S_ISVTX))) {
      rights.followsLinks = false;
    }
    if (last) break;
  }
  if (!found) return rights;
  rights.followsLinks = true;
  rights.user = info.st_uid;
  rights.group = info.st_gid;
  // The user's groups, as a login of theirs would have them.
  std::vector<char> buffer(16384);
  struct passwd entry {};
  struct passwd* user = nullptr;
  if (::getpwuid_r(info.st_uid, &entry, buffer.data(), buffer.size(), &user) == 0 && user) {
    rights.group = user->pw_gid;
    int count = 64;
    rights.groups.resize(static_cast<std::size_t>(count));
    if (::getgrouplist(user->pw_name, user->pw_gid, rights.groups.data(), &count) < 0) {
      rights.groups.resize(static_cast<std::size_t>(count));
      ::getgrouplist(user->pw_name, user->pw_gid, rights.groups.data(), &count);
    }
    rights.groups.resize(static_cast<std::size_t>(std::max(count, 0)));
  }
  return rights;
}

namespace {

// Whether this thread's file work follows links, as its rights say.
thread_local bool followsLinks = true;

}  // namespace

ActingWith::ActingWith(const FileRights& rights) : followedLinks_(followsLinks) {
  followsLinks = rights.followsLinks;
  if (::geteuid() != 0 || rights.user == 0) return;
  const int count = ::getgroups(0, nullptr);
  oldGroups_.resize(static_cast<std::size_t>(std::max(count, 0)));
  if (count < 0 || ::getgroups(count, oldGroups_.data()) != count) {
    taken_ = false;
    return;
  }
  changed_ = true;
  // The system's calls themselves: the C library's setgroups would change
  // the groups of every thread, the game window's too.
  const bool groups = ::syscall(SYS_setgroups, rights.groups.size(), rights.groups.data()) == 0;
  ::setfsgid(rights.group);
  ::setfsuid(rights.user);
  // Each call answers with the id it found: asked again, it says whether the change took.
  taken_ = groups && static_cast<gid_t>(::setfsgid(rights.group)) == rights.group &&
           static_cast<uid_t>(::setfsuid(rights.user)) == rights.user;
}

ActingWith::~ActingWith() {
  followsLinks = followedLinks_;
  if (!changed_) return;
  ::setfsuid(::geteuid());
  ::setfsgid(::getegid());
  ::syscall(SYS_setgroups, oldGroups_.size(), oldGroups_.data());
}

void makeFolder(const std::string& folder) {
  for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    ::mkdir(folder.substr(0, end).c_str(), 0777);
    if (end == std::string::npos) break;
  }
}

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

std::string systemReason(int error) { return std::strerror(error); }

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of links leads to, however far; false for a chain without end.
bool followLinks(std::string& path) {
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
int linkFlags() { return followsLinks ? 0 : O_NOFOLLOW; }

const char* const kLinkNotFollowed = "it is a link, which a game run as root does not follow in a folder others may write to";

// The system's reason, and where the path is a link the game was not let
// through, the file it leads to: the player then knows which file was left alone.
std::string reasonFor(const std::string& path, int error) {
  struct stat info {};
  const bool link = ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
  if (error == ELOOP && link && !followsLinks) return kLinkNotFollowed;
  std::string reason = systemReason(error);
  if ((error != EACCES && error != EPERM) || !link) return reason;
  std::string target = path;
  followLinks(target);
  return reason + " (it is a link to " + target + ")";
}

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
  int release() { return std::exchange(fd_, -1); }

private:
  int fd_;
};

// Why a file of this kind cannot be one of ours; empty for a regular file.
std::string refusalOf(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
  return "it is not a regular file";
}

void makeFolderOf(const std::string& path) { makeFolder(folderOf(path)); }

// The temporaries of a file's replacements, "NAME.DIGITS.new".
void removeTemporariesOf(const std::string& path) {
  const std::string name = path.substr(path.rfind('/') + 1) + ".";
  DIR* folder = ::opendir(folderOf(path).c_str());
  if (!folder) return;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view other = entry->d_name;
    if (!other.starts_with(name) || !other.ends_with(".new") || other.size() <= name.size() + 4) continue;
    const std::string_view digits = other.substr(name.size(), other.size() - name.size() - 4);
    if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
  }
  ::closedir(folder);
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

}  // namespace

FileContents readFile(const std::string& path, std::size_t maxBytes) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | linkFlags()));
  if (file.get() < 0) return errno == ENOENT ? FileContents{} : unreadable(reasonFor(path, errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return unreadable(systemReason(errno));
  if (std::string refusal = refusalOf(info); !refusal.empty()) return unreadable(std::move(refusal));
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

bool countBytes(const std::string& path, bool (*counted)(char), std::uint64_t* count, std::string* reason) {
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

FileReplacement::FileReplacement(const std::string& path) : target_(path) {
  struct stat old {};
  if (!followsLinks && ::lstat(path.c_str(), &old) == 0 && S_ISLNK(old.st_mode)) {
    fail(kLinkNotFollowed);
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
    if (std::string refusal = refusalOf(old); !refusal.empty()) {
      fail(std::move(refusal));
      return;
    }
    // A file the player made read-only stays as it is, as an editor leaves it.
    const Descriptor writable(::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (writable.get() < 0) {
      fail(reasonFor(path, errno));
      return;
    }
  }
  // Made beside the file, so that taking its place is a rename on one disk;
  // what a replacement cut short (a power cut, a kill) left there goes first.
  removeTemporariesOf(target_);
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temporary_ = target_ + "." + std::to_string(random() % 1000000000u) + ".new";
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    fail(reasonFor(path, error));
    return;
  }
  // As editors do: a mode the player chose (even 0200) stays as it was, and
  // so does the group where the player is in it.
  if (existed) keepOwnerAndMode(fd_, old);
}

FileReplacement::~FileReplacement() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool FileReplacement::fail(std::string why) {
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

bool replaceFile(const std::string& path, std::string_view bytes, std::string* reason) {
  FileReplacement file(path);
  file.write(bytes);
  if (file.commit()) return true;
  *reason = file.reason();
  return false;
}

Appended appendLine(const std::string& path, std::string_view line) {
  Appended appended;
  const auto fail = [&appended](std::string why) {
    appended.reason = std::move(why);
    return appended;
  };
  makeFolderOf(path);
  const Descriptor file(
      ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | linkFlags(), 0666));
  if (file.get() < 0) return fail(reasonFor(path, errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return fail(systemReason(errno));
  if (std::string refusal = refusalOf(info); !refusal.empty()) return fail(std::move(refusal));

  const off_t oldSize = info.st_size;
  char last = '\n';
  if (oldSize > 0 && ::pread(file.get(), &last, 1, oldSize - 1) != 1) return fail(systemReason(errno));
  std::string bytes;
  appended.lineBreakFirst = last != '\n' && last != '\r';
  if (appended.lineBreakFirst) bytes += '\n';
  bytes.append(line);
  bytes += '\n';
  if (!writeAll(file.get(), bytes)) {
    const std::string why = systemReason(errno);
    // Half a line would read back later as a row with the wrong score.
    [[maybe_unused]] const int cut = ::ftruncate(file.get(), oldSize);
    return fail(why);
  }
  if (::fstat(file.get(), &info) == 0) appended.state = FileState::of(info);
  appended.ok = true;
  return appended;
}

namespace {

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
  for (int tries = 0;; ++tries) {
    if (tries == 1000) {
      outcome_ = Outcome::HeldElsewhere;
      return;
    }
    // Qt's lock files and ours are held by an flock on the file, which the
    // system lets go of when the holder ends however it ends.
    struct stat info {};
    const bool there = ::lstat(lockPath.c_str(), &info) == 0;
    if (there && !S_ISREG(info.st_mode)) {
      outcome_ = Outcome::InTheWay;
      reason_ = S_ISLNK(info.st_mode) ? std::string("it is a link, not a file") : refusalOf(info);
      return;
    }
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    int error = errno;
    // Another user's lock file: reading it is enough to lock it.
    if (fd < 0 && there && (error == EACCES || error == EPERM)) {
      fd = ::open(lockPath.c_str(), O_RDONLY | kFlags);
      if (fd < 0 && errno != ENOENT) error = errno;
    }
    if (fd < 0) {
      if (error == ELOOP) {
        outcome_ = Outcome::InTheWay;
        reason_ = "it is a link, not a file";
        return;
      }
      if ((error != EACCES && error != EPERM) || !there) {
        // It could not be made here (a folder not ours, a full disk), or was gone before it could be read.
        if (error == ENOENT && there) continue;
        outcome_ = Outcome::NotMade;
        reason_ = systemReason(error);
        return;
      }
      // A lock file this user may not read: held or not, as the system's list of locks tells.
      if (heldByAnyone(info)) {
        if (waited()) continue;
        outcome_ = Outcome::HeldElsewhere;
        return;
      }
      if (::unlink(lockPath.c_str()) == 0 || errno == ENOENT) continue;
      outcome_ = Outcome::Abandoned;
      reason_ = systemReason(errno);
      return;
    }
    Descriptor file(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Its holder removes a lock file as it lets go of it: one that is no
      // longer in the lock's place is not the lock any more.
      struct stat held {};
      struct stat now {};
      if (::fstat(fd, &held) != 0 || ::lstat(lockPath.c_str(), &now) != 0 || held.st_dev != now.st_dev ||
          held.st_ino != now.st_ino) {
        continue;
      }
      // Named for the message another game gives while it waits, and
      // readable by other users' games, which lock it by reading it.
      [[maybe_unused]] const int readable = ::fchmod(fd, 0644);
      const std::string holder = std::to_string(::getpid()) + "\n" + program_invocation_short_name + "\n" + hostName() + "\n";
      if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t named = ::pwrite(fd, holder.data(), holder.size(), 0);
      }
      fd_ = file.release();
      outcome_ = Outcome::Locked;
      return;
    }
    if (errno != EWOULDBLOCK) {
      outcome_ = Outcome::NotMade;
      reason_ = systemReason(errno);
      return;
    }
    readHolder(fd, &holderProcess_, &holderHost_);
    if (!waited()) {
      outcome_ = Outcome::HeldElsewhere;
      return;
    }
  }
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  // Removed while still held, so that no other game takes it over in between.
  ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace fw
