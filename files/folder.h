// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The folder the score lists live in, and the rights that file work takes
// there: a game run as root works in a player's folder as the player would.

#include <sys/types.h>

#include <string>
#include <vector>

namespace fw {

// The user's configuration folder by the XDG base directory rules, in the
// bytes of the environment: $XDG_CONFIG_HOME when it is an absolute path,
// otherwise $HOME/.config; empty when HOME is not an absolute path either.
std::string configurationFolder();

// The rights that file work takes.
struct FileRights {
  uid_t user = 0;
  gid_t group = 0;
  std::vector<gid_t> groups;  // supplementary
  // False where root's own rights would follow a link that anyone may have put there.
  bool followsLinks = true;
};

// The rights of the user whose folder this is, for a game run as root: the
// owner of the outermost part of its path that root does not own (a player's
// HOME), found without following a link of theirs; root's own where every
// part is root's, following no link where others may write to the folder or
// replace a folder above it. Missing parts are taken as made by the owner of
// the part above them: ask again once the folder is made. A game not run as
// root has its own rights.
FileRights rightsInFolder(const std::string& folder);

// Makes the folder, and those above it that are missing, with the rights in force.
void makeFolder(const std::string& folder);
// Whether the file work of this thread follows links, as its rights say.
bool followsLinksHere();

// While it lives, the file work of the calling thread has those rights, as
// that user's own game would: a game run as root (sudo keeps the player's
// HOME) then writes nothing the player could not write, follows no link the
// player could not follow, and everything it makes belongs to the player.
// Only this thread's file rights change, for as long as it lives.
class ActingWith {
public:
  explicit ActingWith(const FileRights& rights);
  ~ActingWith();
  ActingWith(const ActingWith&) = delete;
  ActingWith& operator=(const ActingWith&) = delete;
  // False when the rights could not be taken: then no file work may be done.
  bool taken() const { return taken_; }

private:
  bool changed_ = false;
  bool taken_ = true;
  bool followedLinks_;
  std::vector<gid_t> oldGroups_;
};

}  // namespace fw
