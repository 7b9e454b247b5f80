// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ScoreStoreTest : public testing::Test {
protected:
  std::string folder() const { return dir_.path().toStdString(); }
  std::string path() const { return folder() + "/" + scores::kStandardFile; }

private:
  QTemporaryDir dir_;
};

// A file within the size limit can still hold rows by the hundred million,
// which would take gigabytes to hold: it is left alone like an unreadable one.
TEST_F(ScoreStoreTest, RefusesAFileOfMoreThanSixteenMillionRows) {
  std::string rows;
  rows.reserve(3 * (std::size_t{1} << 24) + 3);
  for (std::size_t row = 0; row <= std::size_t{1} << 24; ++row) rows += ",1\n";
  std::ofstream(path(), std::ios::binary) << rows;

  scores::ScoreStore store(folder(), scores::kStandardFile);
  EXPECT_EQ(store.load().size(), 0u);
  EXPECT_EQ(store.problem(), "it has more than 16 million lines");
}

// What the player is told when a record cannot take the file's lock.
TEST_F(ScoreStoreTest, ARecordSaysWhyItHadNoLock) {
  std::string reason;
  scores::ScoreStore nowhere("", scores::kStandardFile);
  EXPECT_FALSE(nowhere.record("Ann,1", &reason));
  EXPECT_EQ(reason, "there is no preferences folder");

  scores::ScoreStore store(folder(), scores::kStandardFile, 20);
  {
    QLockFile otherGame(QString::fromStdString(path() + ".lock"));
    ASSERT_TRUE(otherGame.tryLock());
    EXPECT_FALSE(store.record("Ann,1", &reason));
    EXPECT_EQ(reason, "another game, process " + std::to_string(::getpid()) + ", kept it locked");
  }
  ASSERT_EQ(::mkfifo((path() + ".lock").c_str(), 0600), 0);
  EXPECT_FALSE(store.record("Ann,1", &reason));
  EXPECT_EQ(reason, "its lock file Veltrano.prefs.lock is in the way: it is not a regular file");
  EXPECT_FALSE(std::filesystem::exists(path()));
}

// A lock that another user's crashed game left in a shared folder cannot be
// removed by this user: the player is told why and where, to remove it.
TEST_F(ScoreStoreTest, ALockThatCannotBeTakenOverSaysWhyAndWhere) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to be another user";
  const std::string lock = path() + ".lock";
  ASSERT_EQ(::chmod(folder().c_str(), 01777), 0);
  std::ofstream(lock) << "999999999\nveltrano\n\n";  // a process that cannot exist; the lock is root's
  // Forked as it stands, so that the other user works in this test's folder.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
        scores::ScoreStore store(folder(), scores::kStandardFile, 0);
        std::string why;
        store.record("Ann,1", &why);
        std::fprintf(stderr, "%s\n", why.c_str());
        std::_Exit(0);
      },
      testing::ExitedWithCode(0),
      "it is locked by a lock file that no running game holds, " + lock +
          ", which the game could not remove \\(Operation not permitted\\); once it is removed, the game can use the "
          "list");
}

}  // namespace
