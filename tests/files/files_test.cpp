// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "files/files.h"
#include "files/folder.h"
#include "files/lock.h"
#include "reason_in_english.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <dlfcn.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Syncs fail while this is above zero, one each, as a failing disk makes them.
std::atomic<int> failingSyncs = 0;

extern "C" int fsync(int fd) {
  if (failingSyncs > 0) {
    --failingSyncs;
    errno = EIO;
    return -1;
  }
  static const auto system = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
  return system(fd);
}

namespace {

// The whole file replaced by the bytes at once, as a save does it.
bool replaceFile(const std::string& path, std::string_view bytes, fw::Reason* reason) {
  fw::FileReplacement file(path);
  file.write(bytes);
  if (file.commit()) return true;
  *reason = file.reason();
  return false;
}

namespace fs = std::filesystem;

constexpr std::size_t kLimit = std::size_t{1} << 30;

class Files : public testing::Test {
protected:
  void SetUp() override {
    // One folder a test: a parameterised test's name holds a '/', which would nest it.
    std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(test.begin(), test.end(), '/', '-');
    folder_ = fs::temp_directory_path() / ("veltrano-files-" + std::to_string(::getpid()) + "-" + test);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string pathOf(const std::string& name) const { return (folder_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) {
    const std::string path = pathOf(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder_;
};

TEST_F(Files, ReadingGivesEveryByteWithinTheLimit) {
  const std::string bytes("Ren\xE9 \x00\xFF,9\r\n", 11);
  EXPECT_EQ(fw::readFile(write("bytes", bytes), kLimit).bytes, bytes);
  EXPECT_EQ(fw::readFile(write("empty", ""), kLimit).status, fw::FileContents::Status::Read);
  EXPECT_EQ(fw::readFile(pathOf("missing"), kLimit).status, fw::FileContents::Status::Missing);
  EXPECT_EQ(fw::readFile(write("large", "12345"), 4).status, fw::FileContents::Status::TooLarge);
  EXPECT_EQ(fw::readFile(pathOf("large"), 5).bytes, "12345");
  // A file that says it is empty and is not (the system's own files) is held to the limit as it is read.
  EXPECT_EQ(fw::readFile("/proc/self/status", 16).status, fw::FileContents::Status::TooLarge);
}

// What stands in a score file's place, made by the test; the read must neither block nor eat memory.
struct HostileFile {
  const char* name;
  std::function<void(const std::string& path)> make;
  fw::FileContents::Status status;
  const char* reason;
};
void PrintTo(const HostileFile& value, std::ostream* out) { *out << value.name; }

class UnreadableFiles : public Files, public testing::WithParamInterface<HostileFile> {};

TEST_P(UnreadableFiles, AreRefusedWithTheReason) {
  const std::string path = pathOf("Veltrano.prefs");
  GetParam().make(path);
  const fw::FileContents read = fw::readFile(path, kLimit);
  EXPECT_EQ(read.status, GetParam().status);
  EXPECT_EQ(read.reason, GetParam().reason);
  EXPECT_TRUE(read.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFiles,
    testing::Values(
        HostileFile{"Folder", [](const std::string& p) { fs::create_directory(p); }, fw::FileContents::Status::Unreadable,
                    "it is a folder, not a file"},
        HostileFile{"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                    fw::FileContents::Status::Unreadable, "it is not a regular file"},
        HostileFile{"LinkToAnEndlessDevice", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
                    fw::FileContents::Status::Unreadable, "it is not a regular file"},
        HostileFile{"SparseAndHuge",
                    [](const std::string& p) {
                      std::ofstream(p, std::ios::binary).put('x');
                      fs::resize_file(p, std::uintmax_t{200} << 30);
                    },
                    fw::FileContents::Status::TooLarge, ""},
        HostileFile{"LinkToItself", [](const std::string& p) { fs::create_symlink(p, p); },
                    fw::FileContents::Status::Unreadable, "Too many levels of symbolic links"}),
    [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });

TEST_F(Files, ReplacingWritesTheWholeFileAndItsFolder) {
  fw::Reason reason;
  const std::string path = write("list", "old,1\nolder,2\n");
  ASSERT_TRUE(replaceFile(path, "new,3\n", &reason));
  EXPECT_EQ(bytesOf(path), "new,3\n");
  ASSERT_TRUE(replaceFile(path, "", &reason));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(bytesOf(path), "");
  ASSERT_TRUE(replaceFile(pathOf("new/made"), "x,1\n", &reason));
  EXPECT_EQ(bytesOf(pathOf("new/made")), "x,1\n");
}

// Runs the work with files limited to that many bytes, as on a disk that fills up.
bool withFilesNoLargerThan(rlim_t bytes, const std::function<bool()>& work) {
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limited);
  const bool done = work();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  return done;
}

// A full disk fails the write before the new file takes the old one's place.
TEST_F(Files, AReplacementThatCannotBeWrittenLeavesTheOldFileWhole) {
  const std::string path = write("kept", "Ann,87\nBob,64\n");
  fw::Reason reason;
  const bool saved = withFilesNoLargerThan(3, [&] { return replaceFile(path, "a longer list,0\n", &reason); });
  EXPECT_FALSE(saved);
  EXPECT_EQ(reason, "File too large");
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,64\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no stray temporary
}

// A sync that fails is a save that failed, however well the writing went.
TEST_F(Files, AReplacementWhoseSyncFailsLeavesTheOldFileWhole) {
  const std::string path = write("kept", "Ann,87\n");
  fw::Reason reason;
  failingSyncs = 1;
  EXPECT_FALSE(replaceFile(path, "Bob,64\n", &reason));
  failingSyncs = 0;
  EXPECT_EQ(reason, "Input/output error");
  EXPECT_EQ(bytesOf(path), "Ann,87\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no stray temporary
}

TEST_F(Files, AppendingAddsOneLineAndNeverGluesTwo) {
  const std::string path = pathOf("append");
  ASSERT_TRUE(fw::appendLine(path, "Ann,87").ok);
  ASSERT_TRUE(fw::appendLine(path, "Bob,").ok);
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,\n");
  for (const std::string end : {"Bob,64", "Bob,64\r"}) {
    const std::string torn = write("torn", end);
    const fw::Appended appended = fw::appendLine(torn, "Zed,0");
    ASSERT_TRUE(appended.ok);
    EXPECT_EQ(appended.lineBreakFirst, end.back() != '\r');
    EXPECT_EQ(bytesOf(torn), end + (end.back() == '\r' ? "" : "\n") + "Zed,0\n");
    EXPECT_TRUE(appended.state == fw::stateOf(torn));
  }
}

TEST_F(Files, AnAppendThatFailsPartWayIsCutBack) {
  const std::string path = write("full", "Bob,64\n");
  // The limit fails the write after three bytes, as a full disk would.
  fw::Appended appended;
  withFilesNoLargerThan(7 + 3, [&] { return (appended = fw::appendLine(path, "Zed,11")).ok; });
  EXPECT_FALSE(appended.ok);
  EXPECT_EQ(appended.reason, "File too large");
  EXPECT_EQ(bytesOf(path), "Bob,64\n");
}

TEST_F(Files, WritingWhereAFolderStandsFailsWithoutHarm) {
  fw::Reason reason;
  const std::string path = pathOf("folder");
  fs::create_directory(path);
  EXPECT_FALSE(fw::appendLine(path, "x,1").ok);
  EXPECT_FALSE(replaceFile(path, "x,1\n", &reason));
  EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(Files, ALockIsHeldByOneAtATime) {
  const std::string lock = pathOf("list.lock");
  {
    const fw::FileLock first(lock, 0);
    ASSERT_EQ(first.outcome(), fw::FileLock::Outcome::Locked);
    const fw::FileLock second(lock, 50);
    EXPECT_EQ(second.outcome(), fw::FileLock::Outcome::HeldElsewhere);
  }
  EXPECT_EQ(fw::FileLock(lock, 0).outcome(), fw::FileLock::Outcome::Locked);
  EXPECT_FALSE(fs::exists(lock));  // let go of, and gone
}

// Waiting for a writer on a FIFO, or reading a device, would never end.
TEST_F(Files, AnythingButAFileInTheLocksPlaceIsRefusedAtOnce) {
  const std::string lock = pathOf("list.lock");
  ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
  const fw::FileLock fifo(lock, 60000);
  EXPECT_EQ(fifo.outcome(), fw::FileLock::Outcome::InTheWay);
  EXPECT_EQ(fifo.reason(), "it is not a regular file");
  fs::remove(lock);
  fs::create_symlink("/dev/zero", lock);
  EXPECT_EQ(fw::FileLock(lock, 60000).reason(), "it is a link, not a file");
}

// A rewritten list keeps its owner, group and mode, also when root rewrites it.
TEST_F(Files, RewrittenFilesKeepTheirOwnerGroupAndMode) {
  fw::Reason reason;
  const std::string kept = write("kept", "Ann,87\n");
  ASSERT_EQ(::chmod(kept.c_str(), 0200), 0);
  ASSERT_TRUE(replaceFile(kept, "Bob,64\n", &reason)) << reason;
  struct stat info {};
  ASSERT_EQ(::stat(kept.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0200u);
  if (::geteuid() != 0) GTEST_SKIP() << "giving files away needs root";

  constexpr uid_t kPlayer = 65534;
  ASSERT_EQ(::chown(kept.c_str(), kPlayer, kPlayer), 0);
  ASSERT_TRUE(replaceFile(kept, "Cleo,96\n", &reason)) << reason;
  ASSERT_EQ(::stat(kept.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kPlayer);
  EXPECT_EQ(info.st_gid, kPlayer);
  EXPECT_EQ(bytesOf(kept), "Cleo,96\n");
}

// A lock is held by a lock on the file, which a holder keeps however its
// file reads; a file nobody holds is taken over at once, whatever it names:
// an empty one, another's, one of a process gone, or of one that runs (its
// number taken by a new process since) but does not hold it.
TEST_F(Files, OnlyALockThatIsHeldKeepsALockFile) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
  const std::string lock = pathOf("list.lock");
  for (const std::string& names : {std::string(), std::string("not a lock\n"), std::to_string(gone) + "\nveltrano\n\n",
                                   std::to_string(::getpid()) + "\nveltrano\n\n"}) {
    write("list.lock", names);
    EXPECT_EQ(fw::FileLock(lock, 0).outcome(), fw::FileLock::Outcome::Locked) << names;
    // Held by another open file of it, as another game holds it, whatever it names.
    const int other = ::open(write("list.lock", names).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    const fw::FileLock held(lock, 0);
    EXPECT_EQ(held.outcome(), fw::FileLock::Outcome::HeldElsewhere) << names;
    EXPECT_EQ(held.holderProcess(), std::atoll(names.c_str()));
    EXPECT_EQ(bytesOf(lock), names);
    ::close(other);
  }
}

// A game run as root (sudo keeps the player's HOME) does in the player's
// folder only what the player could: no write or read through a link to
// root's files, nothing made for root, and the player's own links followed.
TEST_F(Files, ARootGameInAPlayersFolderHasThePlayersRights) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can take on another user's rights";
  constexpr uid_t kPlayer = 65534;
  const std::string home = pathOf("home");
  fs::create_directory(home);
  ASSERT_EQ(::chown(home.c_str(), kPlayer, kPlayer), 0);
  const std::string secret = write("secret", "root's\n");
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  const std::string rootsFolder = pathOf("roots");
  fs::create_directory(rootsFolder);
  const std::string config = home + "/.config";
  EXPECT_EQ(fw::rightsInFolder(pathOf("x/y")).user, 0u);
  const fw::FileRights rights = fw::rightsInFolder(config);
  EXPECT_EQ(rights.user, kPlayer);
  fw::Reason reason;
  {
    const fw::ActingWith acting(rights);
    ASSERT_TRUE(acting.taken());
    ASSERT_TRUE(fw::appendLine(config + "/mine", "Ann,87").ok);  // makes the missing folder too
    fs::create_symlink(secret, config + "/toSecret");
    fs::create_symlink(rootsFolder + "/new", config + "/intoRoots");
    fs::create_symlink(config + "/mine", config + "/own");
    fs::create_symlink("toSecret", config + "/chain");
    // The message names the file at the end of a chain of links.
    EXPECT_EQ(fw::readFile(config + "/chain", kLimit).reason, "Permission denied (it is a link to " + secret + ")");
    for (const char* link : {"/chain", "/intoRoots"}) {
      EXPECT_FALSE(replaceFile(config + link, "x,1\n", &reason)) << link;
      EXPECT_FALSE(fw::appendLine(config + link, "x,1").ok) << link;
    }
    EXPECT_TRUE(replaceFile(config + "/own", "Bob,64\n", &reason)) << reason;
    EXPECT_TRUE(fw::appendLine(config + "/own", "Cy,5").ok);
    EXPECT_EQ(fw::FileLock(config + "/mine.lock", 0).outcome(), fw::FileLock::Outcome::Locked);
    // A list the player made read-only stays as it is, and so does a folder: no lock is made there.
    ASSERT_EQ(::chmod((config + "/mine").c_str(), 0444), 0);
    EXPECT_FALSE(replaceFile(config + "/own", "Dee,1\n", &reason));
    EXPECT_EQ(reason, "Permission denied (it is a link to " + config + "/mine)");
    ASSERT_EQ(::chmod((config + "/mine").c_str(), 0644), 0);
    fs::create_directory(config + "/closed");
    ASSERT_EQ(::chmod((config + "/closed").c_str(), 0555), 0);
    const fw::FileLock notMade(config + "/closed/list.lock", 60000);
    EXPECT_EQ(notMade.outcome(), fw::FileLock::Outcome::NotMade);
    EXPECT_EQ(notMade.reason(), "Permission denied");
  }
  EXPECT_EQ(bytesOf(secret), "root's\n");
  EXPECT_TRUE(fs::is_empty(rootsFolder));
  EXPECT_EQ(bytesOf(config + "/mine"), "Bob,64\nCy,5\n");
  for (const auto& made : fs::recursive_directory_iterator(home)) {
    struct stat info {};
    ASSERT_EQ(::lstat(made.path().c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kPlayer) << made.path();
  }
  // The rights were this thread's for a while only.
  EXPECT_TRUE(replaceFile(secret, "root's own\n", &reason)) << reason;
}

// A lock file another user's game holds, which this user may not read, is
// held all the same; once let go of, it is taken over.
TEST_F(Files, AnotherUsersLockThatThisUserMayNotReadIsHeldAsLongAsItsGameHoldsIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can be another user";
  ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
  const std::string lock = write("list.lock", "1\nveltrano\n\n");
  ASSERT_EQ(::chmod(lock.c_str(), 0600), 0);
  const int otherGame = ::open(lock.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(otherGame, LOCK_EX), 0);
  const fw::ActingWith player(fw::FileRights{65534, 65534, {}});
  EXPECT_EQ(fw::FileLock(lock, 0).outcome(), fw::FileLock::Outcome::HeldElsewhere);
  ::close(otherGame);
  EXPECT_EQ(fw::FileLock(lock, 0).outcome(), fw::FileLock::Outcome::Locked);
}

// What a replacement cut short left beside the file (a kill, a power cut) goes with the next one.
TEST_F(Files, AReplacementRemovesTheTemporariesOfOnesCutShort) {
  const std::string path = write("list", "Ann,87\n");
  for (const char* left : {"list.123.new", "list.4567.new", "list.x.new", "other.1.new"}) write(left, "");
  fw::Reason reason;
  ASSERT_TRUE(replaceFile(path, "Bob,64\n", &reason)) << reason;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"list", "list.x.new", "other.1.new"}));
}

TEST(ConfigurationFolder, FollowsTheXdgBaseDirectoryRules) {
  struct Environment {
    const char* configHome;  // nullptr: unset
    const char* home;
    std::string folder;
  };
  const auto set = [](const char* name, const char* value) {
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  };
  const std::string oldConfigHome = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  for (const Environment& environment : {
           Environment{"/srv/config", "/home/ann", "/srv/config"},
           Environment{"relcfg", "/home/ann", "/home/ann/.config"},  // a relative one is ignored
           Environment{"", "/home/ann/", "/home/ann/.config"},
           Environment{nullptr, "/home/ann", "/home/ann/.config"},
           Environment{nullptr, "home/ann", ""},
           Environment{nullptr, nullptr, ""},
           Environment{"relcfg", "", ""},
           Environment{nullptr, "/home/h\xE9me", "/home/h\xE9me/.config"},  // bytes as they are, not UTF-8
           Environment{"/srv/c\xE9//x/", "/home/ann", "/srv/c\xE9/x"},
       }) {
    set("XDG_CONFIG_HOME", environment.configHome);
    set("HOME", environment.home);
    EXPECT_EQ(fw::configurationFolder(), environment.folder)
        << (environment.configHome ? environment.configHome : "unset") << " " << (environment.home ? environment.home : "unset");
  }
  set("XDG_CONFIG_HOME", oldConfigHome.empty() ? nullptr : oldConfigHome.c_str());
  set("HOME", oldHome.empty() ? nullptr : oldHome.c_str());
}

}  // namespace
