// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/prefs_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class PrefsFiles : public testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("veltrano-prefs-" + std::to_string(::getpid()) + "-" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fw::preferencesFolder();
    fw::setPreferencesFolder(folder_.string());
  }
  void TearDown() override {
    fw::setPreferencesFolder(previous_);
    fs::remove_all(folder_);
  }

  std::string write(const std::string& name, const std::string& bytes) {
    const std::string path = fw::preferencesFile(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder_;
  std::string previous_;
};

TEST_F(PrefsFiles, FilesLieDirectlyInThePreferencesFolder) {
  EXPECT_EQ(fs::path(fw::preferencesFile("Veltrano.prefs")), folder_ / "Veltrano.prefs");
  EXPECT_FALSE(fw::fileExists(fw::preferencesFile("Veltrano.prefs")));
}

TEST_F(PrefsFiles, ReadingGivesEveryByte) {
  const std::string bytes("Ren\xE9 \x00\xFF,9\r\n", 11);
  EXPECT_EQ(fw::readFile(write("bytes", bytes)).bytes, bytes);
  EXPECT_EQ(fw::readFile(write("empty", "")).status, fw::FileContents::Status::Read);
  EXPECT_EQ(fw::readFile(fw::preferencesFile("missing")).status, fw::FileContents::Status::Missing);
}

// What stands in a score file's place, made by the test; the read must neither block nor eat memory.
struct HostileFile {
  const char* name;
  std::function<void(const std::string& path)> make;
  const char* reason;
};
void PrintTo(const HostileFile& value, std::ostream* out) { *out << value.name; }

class UnreadableFiles : public PrefsFiles, public testing::WithParamInterface<HostileFile> {};

TEST_P(UnreadableFiles, AreRefusedWithTheReason) {
  const std::string path = fw::preferencesFile("Veltrano.prefs");
  GetParam().make(path);
  const fw::FileContents read = fw::readFile(path);
  EXPECT_EQ(read.status, fw::FileContents::Status::Unreadable);
  EXPECT_EQ(read.reason, GetParam().reason);
  EXPECT_TRUE(read.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PrefsFiles, UnreadableFiles,
    testing::Values(
        HostileFile{"Folder", [](const std::string& p) { fs::create_directory(p); }, "it is a folder, not a file"},
        HostileFile{"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                    "it is not a regular file"},
        HostileFile{"LinkToAnEndlessDevice", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
                    "it is not a regular file"},
        HostileFile{"SparseAndHuge",
                    [](const std::string& p) {
                      std::ofstream(p, std::ios::binary).put('x');
                      fs::resize_file(p, std::uintmax_t{200} << 30);
                    },
                    "it is larger than 1 GiB"},
        HostileFile{"LinkToItself", [](const std::string& p) { fs::create_symlink(p, p); },
                    "Too many levels of symbolic links"}),
    [](const testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });

TEST_F(PrefsFiles, ReplacingWritesTheWholeFile) {
  const std::string path = write("list", "old,1\nolder,2\n");
  ASSERT_TRUE(fw::replaceFile(path, "new,3\n"));
  EXPECT_EQ(bytesOf(path), "new,3\n");
  ASSERT_TRUE(fw::replaceFile(path, ""));
  EXPECT_TRUE(fw::fileExists(path));
  EXPECT_EQ(bytesOf(path), "");
  ASSERT_TRUE(fw::replaceFile(fw::preferencesFile("made"), "x,1\n"));
  EXPECT_EQ(bytesOf(fw::preferencesFile("made")), "x,1\n");
}

TEST_F(PrefsFiles, ASaveInterruptedBeforeReplacingLeavesTheOldFileWhole) {
  const std::string path = write("kept", "Ann,87\nBob,64\n");
  fw::setFailSavesBeforeReplacing(true);
  const bool saved = fw::replaceFile(path, "lost,0\n");
  fw::setFailSavesBeforeReplacing(false);
  EXPECT_FALSE(saved);
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,64\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no stray temporary
}

TEST_F(PrefsFiles, AppendingAddsOneLineAndNeverGluesTwo) {
  const std::string path = fw::preferencesFile("append");
  ASSERT_TRUE(fw::appendLine(path, "Ann,87"));
  ASSERT_TRUE(fw::appendLine(path, "Bob,"));
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,\n");
  for (const std::string end : {"Bob,64", "Bob,64\r"}) {
    const std::string torn = write("torn", end);
    ASSERT_TRUE(fw::appendLine(torn, "Zed,0"));
    EXPECT_EQ(bytesOf(torn), end + (end.back() == '\r' ? "" : "\n") + "Zed,0\n");
  }
}

TEST_F(PrefsFiles, AnAppendThatFailsPartWayIsCutBack) {
  const std::string path = write("full", "Bob,64\n");
  // A file size limit fails the write after three bytes, as a full disk would.
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit limited = old;
  limited.rlim_cur = 7 + 3;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  std::string reason;
  const bool appended = fw::appendLine(path, "Zed,11", &reason);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(appended);
  EXPECT_EQ(reason, "File too large");
  EXPECT_EQ(bytesOf(path), "Bob,64\n");
}

TEST_F(PrefsFiles, WritingWhereAFolderStandsFailsWithoutHarm) {
  const std::string path = fw::preferencesFile("folder");
  fs::create_directory(path);
  EXPECT_FALSE(fw::appendLine(path, "x,1"));
  EXPECT_FALSE(fw::replaceFile(path, "x,1\n"));
  EXPECT_TRUE(fs::is_directory(path));
}

TEST(PrefsFolder, AnEmptyPathIsNeverReadOrWritten) {
  // Without a preferences folder the files have no path: nothing lands in the working folder.
  EXPECT_FALSE(fw::replaceFile("", "x,1\n"));
  EXPECT_FALSE(fw::appendLine("", "x,1"));
  EXPECT_EQ(fw::readFile("").status, fw::FileContents::Status::Missing);
  EXPECT_FALSE(fw::fileExists(""));
  EXPECT_FALSE(fw::FileLock("").locked());
}

TEST_F(PrefsFiles, ALockIsHeldByOneAtATime) {
  const std::string path = fw::preferencesFile("Veltrano.prefs");
  const int wait = fw::setLockWaitMilliseconds(50);
  {
    const fw::FileLock first(path);
    ASSERT_TRUE(first.locked());
    const fw::FileLock second(path);
    EXPECT_FALSE(second.locked());
    EXPECT_EQ(second.reason(), "another Veltrano game kept it locked");
  }
  EXPECT_TRUE(fw::FileLock(path).locked());
  fw::setLockWaitMilliseconds(wait);
}

// Waiting for a writer on a FIFO, or reading a device, would never end.
TEST_F(PrefsFiles, AnythingButAFileInTheLocksPlaceIsRefusedAtOnce) {
  const std::string path = fw::preferencesFile("Veltrano.prefs");
  ASSERT_EQ(::mkfifo((path + ".lock").c_str(), 0600), 0);
  EXPECT_EQ(fw::FileLock(path).reason(), "its lock file Veltrano.prefs.lock is in the way: it is not a regular file");
  fs::remove(path + ".lock");
  fs::create_symlink("/dev/zero", path + ".lock");
  EXPECT_EQ(fw::FileLock(path).reason(), "its lock file Veltrano.prefs.lock is in the way: it is a link, not a file");
}

}  // namespace
