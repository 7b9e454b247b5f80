// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "files/folder.h"

#include <grp.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

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

bool followsLinksHere() { return followsLinks; }

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

}  // namespace fw
