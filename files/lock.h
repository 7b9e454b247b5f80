// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A lock file that two games hold one at a time.

#include <string>

#include "files/reason.h"

namespace fw {

namespace files {
class Descriptor;
}

// Holds a lock file for as long as it lives, waiting at most the given time
// for another holder. A lock is held by a lock on the file itself, which
// the system lets go of when its holder ends however it ends: a lock file
// that nobody holds is taken over at once, whatever it says and whatever its
// age, and anything but a file in the lock's place is refused at once.
class FileLock {
public:
  // Abandoned: a lock file that can neither be read nor removed.
  enum class Outcome { Locked, HeldElsewhere, Abandoned, InTheWay, NotMade };

  FileLock(const std::string& lockPath, int waitMilliseconds);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  Outcome outcome() const { return outcome_; }
  // InTheWay: what stands in the lock's place; Abandoned and NotMade: the
  // system's reason, where it gave one.
  const Reason& reason() const { return reason_; }
  // HeldElsewhere: the holder's process, 0 when its lock file does not name
  // it (yet), and its host when that is another machine.
  long long holderProcess() const { return holderProcess_; }
  const std::string& holderHost() const { return holderHost_; }

private:
  // What one try at the lock came to: an outcome, another try at once (the
  // lock file changed under our hands), or a wait for another holder.
  enum class Try { Done, Again, Wait };
  Try tryOnce();
  Try lockOpened(files::Descriptor& file);
  Try done(Outcome outcome, Reason reason);

  std::string path_;
  int fd_ = -1;
  Outcome outcome_ = Outcome::NotMade;
  Reason reason_;
  long long holderProcess_ = 0;
  std::string holderHost_;
};

}  // namespace fw
