// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"
#include "../files/reason_in_english.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Record's file step: whether the file got the row, and why not.
bool record(scores::ScoreStore& store, std::string_view name, std::string_view score, fw::Reason* reason) {
  const scores::ScoreStore::Recorded recorded = store.record(name, score);
  *reason = recorded.reason;
  return recorded.inFile;
}

class ScoreStoreTest : public testing::Test {
protected:
  std::string folder() const { return dir_.path().toStdString(); }
  std::string path() const { return folder() + "/" + scores::kStandardFile; }
  static std::string rows(std::size_t count) {
    std::string bytes;
    bytes.reserve(3 * count);
    for (std::size_t row = 0; row < count; ++row) bytes += ",1\n";
    return bytes;
  }
  std::string bytes() const {
    std::ifstream in(path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

private:
  QTemporaryDir dir_;
};

// A file within the size limit can still hold rows by the hundred million,
// which would take gigabytes to hold: it is left alone like an unreadable one.
// So is one whose last line lacks the line break a save would give it, which
// would make it a list no save could write.
TEST_F(ScoreStoreTest, RefusesAFileOfMoreThanSixteenMillionRows) {
  const struct {
    const char* line;
    std::size_t count;
    bool lastLineEnded;
  } files[] = {{",1\n", (std::size_t{1} << 24) + 1, true}, {"a,1\n", std::size_t{1} << 24, false}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.line);
    std::string rows;
    rows.reserve(std::strlen(file.line) * file.count);
    for (std::size_t row = 0; row < file.count; ++row) rows += file.line;
    if (!file.lastLineEnded) rows.pop_back();
    std::ofstream(path(), std::ios::binary | std::ios::trunc) << rows;

    scores::ScoreStore store(folder(), scores::kStandardFile);
    EXPECT_EQ(store.load().size(), 0u);
    EXPECT_EQ(store.problem(), "it has more than 16 million lines");
    EXPECT_FALSE(store.record("Ann", "1").savedAtClose);  // the file is left as it is
    EXPECT_EQ(std::filesystem::file_size(path()), rows.size());
  }
}

// What the player is told when a record cannot take the file's lock.
TEST_F(ScoreStoreTest, ARecordSaysWhyItHadNoLock) {
  fw::Reason reason;
  scores::ScoreStore nowhere("", scores::kStandardFile);
  EXPECT_FALSE(record(nowhere, "Ann", "1", &reason));
  EXPECT_EQ(reason, "there is no preferences folder");
  EXPECT_FALSE(nowhere.record("Ann", "1").savedAtClose);

  scores::ScoreStore store(folder(), scores::kStandardFile, 20);
  {
    // A lock file that names no holder (just made, or another program's): no process is named.
    const int otherProgram = ::open((path() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(otherProgram, 0);
    ASSERT_EQ(::flock(otherProgram, LOCK_EX), 0);
    EXPECT_FALSE(record(store, "Ann", "1", &reason));
    EXPECT_EQ(reason, "another game kept it locked");
    ::close(otherProgram);
    std::filesystem::remove(path() + ".lock");
  }
  {
    QLockFile otherGame(QString::fromStdString(path() + ".lock"));
    ASSERT_TRUE(otherGame.tryLock());
    EXPECT_FALSE(record(store, "Ann", "1", &reason));
    EXPECT_EQ(reason, "another game, process " + std::to_string(::getpid()) + ", kept it locked");
    EXPECT_TRUE(store.record("Ann", "1").savedAtClose);
  }
  ASSERT_EQ(::mkfifo((path() + ".lock").c_str(), 0600), 0);
  EXPECT_FALSE(record(store, "Ann", "1", &reason));
  EXPECT_EQ(reason, "its lock file Veltrano.prefs.lock is in the way: it is not a regular file");
  EXPECT_FALSE(std::filesystem::exists(path()));
}

// Record and save never write a file that the next start would refuse.
TEST_F(ScoreStoreTest, RecordAndSaveStayWithinWhatReadingTakes) {
  constexpr std::size_t kRows = (std::size_t{1} << 24) - 1;
  fw::Reason reason;
  {
    std::ofstream(path(), std::ios::binary) << rows(kRows);
    scores::ScoreStore store(folder(), scores::kStandardFile);
    scores::RowTable ours = store.load();
    EXPECT_FALSE(record(store, "Ann", "87", &reason));
    EXPECT_EQ(reason, "it would have more than 16 million lines");
    EXPECT_EQ(std::filesystem::file_size(path()), 3 * kRows);
    ASSERT_TRUE(record(store, "", "1", &reason)) << reason;  // a row of three bytes still leaves a file reading takes
    ours.add({"", "1"});
    ours.add({"Ann", "87"});  // kept in the list only
    const scores::ScoreStore::Saved saved = store.save(ours);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.reason, "it would have more than 16 million lines");
    scores::ScoreStore next(folder(), scores::kStandardFile);
    EXPECT_EQ(next.load().size(), kRows + 1);
  }
  // Another game (or a hand edit) took the file to exactly 1 GiB since this game read it.
  scores::ScoreStore store(folder(), scores::kStandardFile);
  std::ofstream(path(), std::ios::binary | std::ios::trunc) << "Ann,87\n";
  store.load();
  std::filesystem::resize_file(path(), std::uintmax_t{1} << 30);
  EXPECT_FALSE(record(store, "Bob", "64", &reason));
  EXPECT_EQ(reason, "it would be larger than 1 GiB");
  EXPECT_EQ(std::filesystem::file_size(path()), std::uintmax_t{1} << 30);
}

// A row another game appended after this game read the file is kept by this
// game's save, also when this game recorded a row in between: the record does
// not take the file for the one this game left.
TEST_F(ScoreStoreTest, ASaveKeepsWhatAnotherGameAppendedBeforeARecord) {
  std::ofstream(path(), std::ios::binary) << "Cy,3\n";
  scores::ScoreStore store(folder(), scores::kStandardFile);
  scores::RowTable ours = store.load();
  std::ofstream(path(), std::ios::binary | std::ios::app) << "Bob,1\n";
  fw::Reason reason;
  ASSERT_TRUE(record(store, "Ann", "2", &reason)) << reason;
  ours.add({"Ann", "2"});
  const scores::ScoreStore::Saved saved = store.save(ours);
  ASSERT_TRUE(saved.ok) << saved.reason;
  EXPECT_EQ(saved.others.added.size(), 1u);
  EXPECT_EQ(bytes(), "Cy,3\nAnn,2\nBob,1\n");
}

// A save that fails after another game recorded a row brings none of that
// game's changes back: the list takes in only what a file now holds.
TEST_F(ScoreStoreTest, AFailedSaveBringsNoneOfAnotherGamesChanges) {
  const struct {
    const char* failure;
    const char* read;  // the file as this game reads it
    std::size_t moreRows;  // rows this game adds to its list
    std::string reason;
  } cases[] = {
      {"the copy of unreadable lines", "Cy,3\nno comma\n", 0,
       "the lines it could not read could not be kept in " + path() + ".bak first: it is a folder, not a file"},
      {"too many lines", "Cy,3\n", std::size_t{1} << 24, "it would have more than 16 million lines"},
  };
  for (const auto& failing : cases) {
    SCOPED_TRACE(failing.failure);
    std::filesystem::remove_all(path() + ".bak");
    std::ofstream(path(), std::ios::binary | std::ios::trunc) << failing.read;
    scores::ScoreStore store(folder(), scores::kStandardFile);
    scores::RowTable ours = store.load();
    for (std::size_t row = 0; row < failing.moreRows; ++row) ours.add({"", "1"});
    if (store.linesLeftOut() > 0) std::filesystem::create_directory(store.backupPath());
    std::ofstream(path(), std::ios::binary | std::ios::app) << "Bob,1\n";
    const scores::ScoreStore::Saved saved = store.save(ours);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.reason, failing.reason);
    EXPECT_EQ(saved.others.added.size(), 0u);
    EXPECT_TRUE(saved.others.removed.empty());
    EXPECT_EQ(bytes(), std::string(failing.read) + "Bob,1\n");
  }
}

// A game run as root follows no link another user could have put where it
// works: in a folder of root's that others may write to, or in a folder a
// player made after the game started.
TEST_F(ScoreStoreTest, ARootGameFollowsNoLinkThatAnotherUserCouldHavePut) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to be another user";
  ASSERT_EQ(::chmod(folder().c_str(), 0755), 0);
  const std::string secret = folder() + "/secret";
  std::ofstream(secret) << "root:x\n";
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  const std::string shared = folder() + "/shared";
  ASSERT_EQ(::mkdir(shared.c_str(), 0775), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 0775), 0);  // whatever the umask
  ASSERT_EQ(::chown(shared.c_str(), 0, 65534), 0);
  std::filesystem::create_symlink(secret, shared + "/" + scores::kStandardFile);
  scores::ScoreStore inShared(shared, scores::kStandardFile);
  EXPECT_EQ(inShared.load().size(), 0u);
  EXPECT_EQ(inShared.problem(), "it is a link, which a game run as root does not follow in a folder others may write to");

  const std::string sticky = folder() + "/sticky";
  ASSERT_EQ(::mkdir(sticky.c_str(), 0), 0);
  ASSERT_EQ(::chmod(sticky.c_str(), 01777), 0);
  scores::ScoreStore later(sticky + "/mine", scores::kStandardFile);
  EXPECT_EQ(later.load().size(), 0u);  // no folder yet
  ASSERT_EQ(::mkdir((sticky + "/mine").c_str(), 0755), 0);
  std::filesystem::create_symlink(secret, sticky + "/mine/" + scores::kStandardFile);
  ASSERT_EQ(::lchown((sticky + "/mine/" + scores::kStandardFile).c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chown((sticky + "/mine").c_str(), 65534, 65534), 0);
  fw::Reason reason;
  EXPECT_FALSE(record(later, "Root", "0", &reason));
  EXPECT_EQ(reason, "Permission denied (it is a link to " + secret + ")");
  std::ifstream kept(secret);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "root:x\n");
}

// Locks another user's crashed game left in a shared folder, which this user
// may not remove: one this user may read is taken over all the same; one it
// may not read is named, with why, to be removed.
TEST_F(ScoreStoreTest, AnotherUsersLockThatNoGameHoldsIsTakenOverOrNamed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to be another user";
  const std::string lock = path() + ".lock";
  ASSERT_EQ(::chmod(folder().c_str(), 01777), 0);
  std::ofstream(lock) << "999999999\nveltrano\n\n";  // the lock is root's
  // Forked as it stands, so that the other user works in this test's folder.
  GTEST_FLAG_SET(death_test_style, "fast");
  const auto recordAsAnotherUser = [this] {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(2);
    scores::ScoreStore store(folder(), scores::kStandardFile, 0);
    fw::Reason why;
    std::fprintf(stderr, "%s\n", record(store, "Ann", "1", &why) ? "recorded" : english(why).c_str());
    std::_Exit(0);
  };
  EXPECT_EXIT(recordAsAnotherUser(), testing::ExitedWithCode(0), "recorded");
  EXPECT_TRUE(std::filesystem::exists(lock));
  ASSERT_EQ(::chmod(lock.c_str(), 0), 0);
  EXPECT_EXIT(recordAsAnotherUser(), testing::ExitedWithCode(0),
              "it is locked by a lock file that the game may neither read nor remove, " + lock +
                  " \\(Operation not permitted\\); once it is removed, the game can use the list");
}

}  // namespace

namespace {

// What a save cut short left beside the file goes when the game starts,
// unless another game holds the lock (its save may be writing it now).
TEST_F(ScoreStoreTest, AStartRemovesWhatASaveCutShortLeftUnlessAnotherGameSaves) {
  const std::string left = path() + ".123456.new";
  const std::string other = path() + ".bak.new";  // not a temporary of this file
  for (const bool held : {true, false}) {
    std::ofstream(left) << "half a li";
    std::ofstream(other) << "x";
    QLockFile otherGame(QString::fromStdString(path() + ".lock"));
    if (held) {
      ASSERT_TRUE(otherGame.tryLock());
    }
    scores::ScoreStore store(folder(), scores::kStandardFile);
    store.load();
    EXPECT_EQ(std::filesystem::exists(left), held);
    EXPECT_TRUE(std::filesystem::exists(other));
  }
}

// Lines a list cannot take whole are counted; the first save keeps the file
// as it was read beside it before it writes the list without them, and a
// later one does not write the copy again.
TEST_F(ScoreStoreTest, TheFirstSaveKeepsTheFileWithItsUnreadableLinesBesideIt) {
  const std::string read = "Ann,87\nno comma\n\nname,with,commas,7\n \nBob,\n,5\n";
  std::ofstream(path(), std::ios::binary) << read;
  // A private list's copy is as private, whatever mode a new file would be given.
  std::filesystem::permissions(path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  scores::ScoreStore store(folder(), scores::kStandardFile);
  const scores::RowTable rows = store.load();
  EXPECT_EQ(store.linesLeftOut(), 3u);  // "no comma", "name,with,commas,7", " "; not "Bob,", a Record without a score
  ASSERT_TRUE(store.save(rows).ok);
  const auto bytesOf = [](const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(bytesOf(store.backupPath()), read);
  EXPECT_EQ(std::filesystem::status(store.backupPath()).permissions(), std::filesystem::status(path()).permissions());
  EXPECT_EQ(bytesOf(path()), "Ann,87\nname,with\n,5\n");
  std::filesystem::remove(store.backupPath());
  ASSERT_TRUE(store.save(rows).ok);
  EXPECT_FALSE(std::filesystem::exists(store.backupPath()));

  // A copy that cannot be made (a folder in its place) stops the save: nothing is lost.
  std::ofstream(path(), std::ios::binary) << read;
  scores::ScoreStore again(folder(), scores::kStandardFile);
  const scores::RowTable rowsAgain = again.load();
  std::filesystem::create_directory(again.backupPath());
  const scores::ScoreStore::Saved saved = again.save(rowsAgain);
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "the lines it could not read could not be kept in " + again.backupPath() +
                              " first: it is a folder, not a file");
  EXPECT_EQ(bytesOf(path()), read);
}

}  // namespace
