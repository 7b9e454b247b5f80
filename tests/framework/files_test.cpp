// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/files.h"

#include <QString>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLimit = std::size_t{1} << 30;

class Files : public testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("veltrano-files-" + std::to_string(::getpid()) + "-" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
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
  std::string reason;
  const std::string path = write("list", "old,1\nolder,2\n");
  ASSERT_TRUE(fw::replaceFile(path, "new,3\n", &reason));
  EXPECT_EQ(bytesOf(path), "new,3\n");
  ASSERT_TRUE(fw::replaceFile(path, "", &reason));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(bytesOf(path), "");
  ASSERT_TRUE(fw::replaceFile(pathOf("new/made"), "x,1\n", &reason));
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
  std::string reason;
  const bool saved = withFilesNoLargerThan(3, [&] { return fw::replaceFile(path, "a longer list,0\n", &reason); });
  EXPECT_FALSE(saved);
  EXPECT_EQ(reason, "File too large");
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,64\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no stray temporary
}

TEST_F(Files, AppendingAddsOneLineAndNeverGluesTwo) {
  std::string reason;
  const std::string path = pathOf("append");
  ASSERT_TRUE(fw::appendLine(path, "Ann,87", &reason));
  ASSERT_TRUE(fw::appendLine(path, "Bob,", &reason));
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,\n");
  for (const std::string end : {"Bob,64", "Bob,64\r"}) {
    const std::string torn = write("torn", end);
    ASSERT_TRUE(fw::appendLine(torn, "Zed,0", &reason));
    EXPECT_EQ(bytesOf(torn), end + (end.back() == '\r' ? "" : "\n") + "Zed,0\n");
  }
}

TEST_F(Files, AnAppendThatFailsPartWayIsCutBack) {
  const std::string path = write("full", "Bob,64\n");
  // The limit fails the write after three bytes, as a full disk would.
  std::string reason;
  const bool appended = withFilesNoLargerThan(7 + 3, [&] { return fw::appendLine(path, "Zed,11", &reason); });
  EXPECT_FALSE(appended);
  EXPECT_EQ(reason, "File too large");
  EXPECT_EQ(bytesOf(path), "Bob,64\n");
}

TEST_F(Files, WritingWhereAFolderStandsFailsWithoutHarm) {
  std::string reason;
  const std::string path = pathOf("folder");
  fs::create_directory(path);
  EXPECT_FALSE(fw::appendLine(path, "x,1", &reason));
  EXPECT_FALSE(fw::replaceFile(path, "x,1\n", &reason));
  EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(Files, ALockIsHeldByOneAtATime) {
  const std::string lock = pathOf("list.lock");
  {
    const fw::FileLock first(lock, 0);
    ASSERT_TRUE(first.locked());
    const fw::FileLock second(lock, 50);
    EXPECT_EQ(second.outcome(), fw::FileLock::Outcome::HeldElsewhere);
  }
  EXPECT_TRUE(fw::FileLock(lock, 0).locked());
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

// A game run as root (sudo keeps the player's HOME) leaves the player's files the player's.
TEST_F(Files, RewrittenFilesKeepTheirOwnerGroupAndMode) {
  std::string reason;
  const std::string kept = write("kept", "Ann,87\n");
  ASSERT_EQ(::chmod(kept.c_str(), 0200), 0);
  ASSERT_TRUE(fw::replaceFile(kept, "Bob,64\n", &reason)) << reason;
  struct stat info {};
  ASSERT_EQ(::stat(kept.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0200u);
  if (::geteuid() != 0) GTEST_SKIP() << "giving files away needs root";

  constexpr uid_t kPlayer = 65534;
  ASSERT_EQ(::chown(kept.c_str(), kPlayer, kPlayer), 0);
  ASSERT_TRUE(fw::replaceFile(kept, "Cleo,96\n", &reason)) << reason;
  // New files, made by either write, belong to the folder's owner.
  ASSERT_EQ(::chown(folder_.c_str(), kPlayer, kPlayer), 0);
  ASSERT_TRUE(fw::replaceFile(pathOf("replaced"), "Ann,87\n", &reason)) << reason;
  ASSERT_TRUE(fw::appendLine(pathOf("appended"), "Ann,87", &reason)) << reason;
  for (const std::string& path : {kept, pathOf("replaced"), pathOf("appended")}) {
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kPlayer) << path;
    EXPECT_EQ(info.st_gid, kPlayer) << path;
  }
  EXPECT_EQ(bytesOf(kept), "Cleo,96\n");
}

// A lock file whose process has gone, or that names none, is taken over at
// once; one whose process runs is not, and names it.
TEST_F(Files, OnlyALiveProcessKeepsALockFile) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
  struct LockFile {
    std::string contents;
    bool taken;
  };
  const std::string host = QSysInfo::machineHostName().toStdString();
  // As Qt writes it: the process, its program's name, the host.
  const std::string running = std::to_string(::getpid()) + "\n" + fs::read_symlink("/proc/self/exe").filename().string() +
                              "\n" + host + "\n";
  for (const LockFile& file : {LockFile{"", true}, LockFile{"not a lock\n", true},
                               LockFile{std::to_string(gone) + "\nveltrano\n" + host + "\n", true},
                               LockFile{running, false}}) {
    const std::string lock = write("list.lock", file.contents);
    const fw::FileLock taken(lock, 0);
    EXPECT_EQ(taken.locked(), file.taken) << file.contents;
    if (!file.taken) {
      EXPECT_EQ(taken.outcome(), fw::FileLock::Outcome::HeldElsewhere);
      EXPECT_EQ(taken.holderProcess(), ::getpid());
      EXPECT_EQ(bytesOf(lock), running);
    }
  }
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
