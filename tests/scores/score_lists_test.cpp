// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <fstream>

#include "../game/game_fixture.h"
#include "framework/prefs_files.h"
#include "scores/score_lists.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class ScoreListsTest : public testing_support::GameWindowTest {
protected:
  void SetUp() override {
    previous_ = fw::preferencesFolder();
    fw::setPreferencesFolder(folder_.path().toStdString());
  }
  void TearDown() override { fw::setPreferencesFolder(previous_); }

  void open() { window = std::make_unique<Window10>(shuffle); }
  void closeWindow() { window->close(); }
  void reopen() {
    closeWindow();
    open();
  }

  std::string path(const char* file) const { return fw::preferencesFile(file); }
  void writeFile(const char* file, const std::string& bytes) { std::ofstream(path(file), std::ios::binary) << bytes; }
  std::string fileBytes(const char* file) const {
    std::ifstream in(path(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static Rows rowsOf(const fw::ListBox* list) {
    Rows rows;
    for (int r = 0; r < list->rowCount(); ++r) rows.emplace_back(list->cell(r, 0), list->cell(r, 1));
    return rows;
  }
  QTableView* view(fw::ListBox* list) const { return qobject_cast<QTableView*>(list->widget()); }
  void clickHeading(fw::ListBox* list, int column) {
    QHeaderView* header = view(list)->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }
  void clickCell(fw::ListBox* list, int row, int column) {
    QTableView* v = view(list);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(row, column)).center());
  }
  void record(const std::string& name) {
    window->PushButton5->push();
    window->EditField1->setText(name);
    window->PushButton6->push();
  }

  QTemporaryDir folder_;
  std::string previous_;
};

TEST_F(ScoreListsTest, ListsLoadFromTheirFilesAndComeBackUnchanged) {
  writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
  writeFile(scores::kExpertFile, "Cleo,96\n");
  open();
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
  EXPECT_EQ(rowsOf(window->ListBox2), (Rows{{"Cleo", "96"}}));
  EXPECT_TRUE(window->ListBox1->visible());
  EXPECT_FALSE(window->ListBox2->visible());
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nBob,64\n");
  EXPECT_EQ(fileBytes(scores::kExpertFile), "Cleo,96\n");
}

TEST_F(ScoreListsTest, OddLinesAreDroppedOldLineEndsAndOddBytesKept) {
  writeFile(scores::kStandardFile, "Ann,87\rno comma\rBob,\r\r,5\rCarl,1,2\r J\xF6rg , 9 \r");
  open();
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Ann", "87"}, {"", "5"}, {"Carl", "1"}, {" J\xF6rg ", " 9 "}}));
  const QString shown = view(window->ListBox1)->model()->index(3, 0).data().toString();
  EXPECT_EQ(shown, QString::fromUtf8(" J\xC3\xB6rg "));  // shown as Latin-1
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\n,5\nCarl,1\n J\xF6rg , 9 \n");
}

TEST_F(ScoreListsTest, WithoutFilesTheListsAreEmptyAndClosingCreatesBoth) {
  open();
  EXPECT_EQ(window->ListBox1->rowCount(), 0);
  EXPECT_EQ(window->ListBox2->rowCount(), 0);
  EXPECT_FALSE(fw::fileExists(path(scores::kStandardFile)));
  closeWindow();
  EXPECT_TRUE(fw::fileExists(path(scores::kStandardFile)));
  EXPECT_EQ(fileBytes(scores::kStandardFile), "");
  EXPECT_EQ(fileBytes(scores::kExpertFile), "");
}

TEST_F(ScoreListsTest, ScoreRevealsTheNameEntryForGood) {
  open();
  window->PushButton5->push();
  window->PushButton5->push();
  EXPECT_TRUE(window->StaticText6->visible());
  EXPECT_TRUE(window->EditField1->visible());
  EXPECT_TRUE(window->PushButton6->visible());
}

TEST_F(ScoreListsTest, RecordWritesTheFileFirstThenTheRow) {
  writeFile(scores::kStandardFile, "Ann,87\n");
  open();
  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
  typeSolutionLeavingOut(0);
  window->PushButton2->push();
  record("Zoe");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\n");
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Ann", "87"}, {"Zoe", "100"}}));
  window->PushButton6->push();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\nZoe,100\n");
  EXPECT_EQ(window->ListBox1->rowCount(), 3);
  EXPECT_EQ(window->EditField1->text(), "Zoe");
}

TEST_F(ScoreListsTest, ARecordWithoutAScoreDoesNotSurviveARestart) {
  open();
  record("Early");
  record("");
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Early", ""}, {"", ""}}));
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Early,\n,\n");
  reopen();
  EXPECT_EQ(window->ListBox1->rowCount(), 0);
}

TEST_F(ScoreListsTest, AnEmptyNameSurvivesARestart) {
  open();
  window->StaticText4->setText("42");
  record("");
  reopen();
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"", "42"}}));
}

TEST_F(ScoreListsTest, AfterAModeSwitchTheRecordGoesToTheNewModesListAndFile) {
  open();
  window->StaticText4->setText("33");
  chooseExpert();
  record("Ex");
  EXPECT_EQ(rowsOf(window->ListBox2), (Rows{{"Ex", "33"}}));
  EXPECT_EQ(window->ListBox1->rowCount(), 0);
  EXPECT_EQ(fileBytes(scores::kExpertFile), "Ex,33\n");
  EXPECT_FALSE(fw::fileExists(path(scores::kStandardFile)));
}

TEST_F(ScoreListsTest, TheNameEntryRefusesCommasAndLineBreaks) {
  open();
  window->PushButton5->push();
  auto* field = qobject_cast<QLineEdit*>(window->EditField1->widget());
  field->setFocus();
  QTest::keyClicks(field, "Ann,Lee");
  EXPECT_EQ(window->EditField1->text(), "AnnLee");
  QApplication::clipboard()->setText(" & Bo,\nb\r\n");
  field->paste();
  EXPECT_EQ(window->EditField1->text(), "AnnLee & Bob");
  window->PushButton6->push();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "AnnLee & Bob,\n");
}

TEST_F(ScoreListsTest, HeadingClicksSortAsTheHelpTextSays) {
  writeFile(scores::kStandardFile, "bob,9\nAnn,100\ncarl,87\nDora,87\n");
  open();
  clickHeading(window->ListBox1, 1);  // bottom score to top score
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"bob", "9"}, {"carl", "87"}, {"Dora", "87"}, {"Ann", "100"}}));
  clickHeading(window->ListBox1, 1);  // again top to bottom
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Ann", "100"}, {"carl", "87"}, {"Dora", "87"}, {"bob", "9"}}));
  clickHeading(window->ListBox1, 0);  // names in reverse order
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Dora", "87"}, {"carl", "87"}, {"bob", "9"}, {"Ann", "100"}}));
  clickHeading(window->ListBox1, 0);  // alphabetical again
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"Ann", "100"}, {"bob", "9"}, {"carl", "87"}, {"Dora", "87"}}));
}

TEST_F(ScoreListsTest, TheSortedOrderIsSavedAndARecordAfterSortingStaysAtTheBottom) {
  writeFile(scores::kStandardFile, "b,2\na,1\nc,3\n");
  open();
  clickHeading(window->ListBox1, 0);
  window->StaticText4->setText("0");
  record("A0");
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"A0", "0"}}));
  reopen();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "a,1\nb,2\nc,3\nA0,0\n");
  EXPECT_EQ(window->ListBox1->sortColumn(), -1);
  EXPECT_FALSE(view(window->ListBox1)->horizontalHeader()->isSortIndicatorShown());
}

TEST_F(ScoreListsTest, AClickOnARowRemovesItAndNothingElseDoes) {
  writeFile(scores::kStandardFile, "a,1\nb,2\nc,3\n");
  open();
  clickCell(window->ListBox1, 1, 1);
  EXPECT_EQ(rowsOf(window->ListBox1), (Rows{{"a", "1"}, {"c", "3"}}));
  QTableView* v = view(window->ListBox1);
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(20, v->viewport()->height() - 5));
  EXPECT_EQ(window->ListBox1->rowCount(), 2);
  clickHeading(window->ListBox1, 0);
  EXPECT_EQ(window->ListBox1->rowCount(), 2);
  clickCell(window->ListBox1, 0, 0);
  clickCell(window->ListBox1, 0, 1);
  EXPECT_EQ(window->ListBox1->rowCount(), 0);
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "");
  EXPECT_TRUE(fw::fileExists(path(scores::kStandardFile)));
}

TEST_F(ScoreListsTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  writeFile(scores::kStandardFile, "Ann,87\n");
  open();
  window->StaticText4->setText("5");
  record("New");
  clickCell(window->ListBox1, 0, 0);
  fw::setFailSavesBeforeReplacing(true);
  testing::internal::CaptureStderr();
  closeWindow();
  const std::string warning = testing::internal::GetCapturedStderr();
  fw::setFailSavesBeforeReplacing(false);
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nNew,5\n");
  EXPECT_NE(warning.find("Veltrano.prefs"), std::string::npos);
  EXPECT_NE(warning.find("Veltrano2.prefs"), std::string::npos);
}

}  // namespace
