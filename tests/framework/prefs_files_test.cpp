// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/prefs_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

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

Lines linesOf(std::string_view text) {
  Lines lines;
  fw::forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(ForEachLine, SplitsAtLfCrlfOrALoneCr) {
  EXPECT_EQ(linesOf("Ann,87\nBob,64\n"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("Ann,87\r\nBob,64\r\n"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("Ann,87\rBob,64"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("a\r\n\rb\n\nc"), (Lines{"a", "", "b", "", "c"}));
  EXPECT_EQ(linesOf("\n"), (Lines{""}));
  EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(PrefsFiles, ReadingGivesEveryByteOrNothing) {
  const std::string bytes("Ren\xE9 \x00\xFF,9\r\n", 11);
  EXPECT_EQ(fw::readFile(write("bytes", bytes)), bytes);
  EXPECT_EQ(fw::readFile(write("empty", "")), std::string());
  EXPECT_EQ(fw::readFile(fw::preferencesFile("missing")), std::nullopt);
  EXPECT_EQ(fw::readFile(folder_.string()), std::nullopt);
}

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

TEST_F(PrefsFiles, AppendingAddsOneLineAndCreatesAMissingFile) {
  const std::string path = fw::preferencesFile("append");
  ASSERT_TRUE(fw::appendLine(path, "Ann,87"));
  ASSERT_TRUE(fw::appendLine(path, "Bob,"));
  EXPECT_EQ(bytesOf(path), "Ann,87\nBob,\n");
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
  EXPECT_EQ(fw::readFile(""), std::nullopt);
  EXPECT_FALSE(fw::fileExists(""));
}

}  // namespace
