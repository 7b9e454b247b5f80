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

TEST_F(PrefsFiles, ReadsLinesEndedByLfCrlfOrALoneCr) {
  EXPECT_EQ(fw::readLines(write("lf", "Ann,87\nBob,64\n")), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(fw::readLines(write("crlf", "Ann,87\r\nBob,64\r\n")), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(fw::readLines(write("cr", "Ann,87\rBob,64")), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(fw::readLines(write("mixed", "a\r\n\rb\n\nc")), (Lines{"a", "", "b", "", "c"}));
  EXPECT_EQ(fw::readLines(write("empty", "")), Lines{});
  EXPECT_EQ(fw::readLines(fw::preferencesFile("missing")), std::nullopt);
}

TEST_F(PrefsFiles, KeepsEveryByteOfALine) {
  const std::string latin1 = "Ren\xE9 \x00\xFF,9";
  const std::string line(latin1.data(), 11);
  const std::string path = fw::preferencesFile("bytes");
  ASSERT_TRUE(fw::replaceWithLines(path, {line, " spaced , 1 "}));
  EXPECT_EQ(bytesOf(path), line + "\n spaced , 1 \n");
  EXPECT_EQ(fw::readLines(path), (Lines{line, " spaced , 1 "}));
}

TEST_F(PrefsFiles, ReplacingWritesTheWholeFileAndAnEmptyListGivesAnEmptyFile) {
  const std::string path = write("list", "old,1\nolder,2\n");
  ASSERT_TRUE(fw::replaceWithLines(path, {"new,3"}));
  EXPECT_EQ(bytesOf(path), "new,3\n");
  ASSERT_TRUE(fw::replaceWithLines(path, {}));
  EXPECT_TRUE(fw::fileExists(path));
  EXPECT_EQ(bytesOf(path), "");
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
  EXPECT_FALSE(fw::replaceWithLines(path, {"x,1"}));
  EXPECT_TRUE(fs::is_directory(path));
}

}  // namespace
