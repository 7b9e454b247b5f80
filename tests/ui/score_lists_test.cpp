// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

#include "../game/scripted_shuffler.h"
#include "framework/window/application.h"
#include "framework/list/list_box.h"
#include "framework/window/message_dialog.h"
#include "scores/score_store.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class ScoreListsTest : public testing::Test {
protected:
  void SetUp() override {
    fw::MessageDialog::setAnswerer([this](const fw::MessageDialog& dialog) {
      told.push_back(dialog.message + " " + dialog.explanation);
      if (answers.empty()) return fw::MessageDialog::Button::Action;
      const fw::MessageDialog::Button answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
  }
  void TearDown() override { fw::MessageDialog::setAnswerer({}); }

  void open() {
    window = std::make_unique<ui::GameWindow>(shuffle, folder());
    QApplication::processEvents();
  }
  void closeWindow() { window->close(); }
  void reopen() {
    closeWindow();
    open();
  }

  template <class W = QWidget>
  W* control(const char* name) const {
    return window->content()->findChild<W*>(name, Qt::FindDirectChildrenOnly);
  }
  fw::ListBox* standardList() const { return control<fw::ListBox>("standardList"); }
  fw::ListBox* expertList() const { return control<fw::ListBox>("expertList"); }
  QLineEdit* nameField() const { return control<QLineEdit>("nameField"); }
  void press(const char* button) const { control<QAbstractButton>(button)->click(); }
  void chooseExpert() { QTest::mouseClick(control<QRadioButton>("expertButton"), Qt::LeftButton, {}, QPoint(6, 10)); }
  // Plays a game with that many digits right at a maximum of 100, and presses Done.
  void finishWithRightDigits(int right) {
    shuffle.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
    press("startButton");
    for (int square = 0; square < right; ++square) {
      control<QLineEdit>(("square" + std::to_string(square)).c_str())->setText(QString::number(window->game().solution[square]));
    }
    press("doneButton");
  }

  std::string folder() const { return preferences.path().toStdString(); }
  std::string path(const char* file) const { return folder() + "/" + file; }
  bool exists(const char* file) const { return std::filesystem::exists(path(file)); }
  // A folder takes each file's place, so that saving it fails, until mended.
  void breakFiles() {
    for (const char* file : {scores::kStandardFile, scores::kExpertFile}) {
      if (exists(file)) broken_[file] = fileBytes(file);
      std::filesystem::remove(path(file));
      std::filesystem::create_directory(path(file));
    }
  }
  void mendFiles() {
    for (const char* file : {scores::kStandardFile, scores::kExpertFile}) {
      std::filesystem::remove(path(file));
      if (broken_.count(file)) writeFile(file, broken_[file]);
    }
  }
  void writeFile(const char* file, const std::string& bytes) { std::ofstream(path(file), std::ios::binary) << bytes; }
  std::string fileBytes(const char* file) const {
    std::ifstream in(path(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The rows as the list shows them.
  static Rows rowsOf(const fw::ListBox* list) {
    Rows rows;
    const QAbstractItemModel* model = list->model();
    for (int r = 0; r < model->rowCount(); ++r) {
      rows.emplace_back(model->index(r, 0).data().toString().toStdString(), model->index(r, 1).data().toString().toStdString());
    }
    return rows;
  }
  void clickHeading(fw::ListBox* list, int column) {
    QHeaderView* header = list->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }
  void clickCell(fw::ListBox* list, int row, int column) {
    fw::ListBox* v = list;
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(row, column)).center());
  }
  void record(const std::string& name) {
    press("scoreButton");
    nameField()->setText(QString::fromStdString(name));
    press("recordButton");
  }

  // What the message dialogs said, and how the player answers the next ones.
  std::vector<std::string> told;
  std::vector<fw::MessageDialog::Button> answers;
  std::map<std::string, std::string> broken_;
  QTemporaryDir preferences;
  testing_support::ScriptedShuffler shuffle;
  std::unique_ptr<ui::GameWindow> window;
};

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ScoreListsTest, ListsLoadFromTheirFilesAndComeBackUnchanged) {
  writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
  writeFile(scores::kExpertFile, "Cleo,96\n");
  open();
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
  EXPECT_EQ(rowsOf(expertList()), (Rows{{"Cleo", "96"}}));
  EXPECT_TRUE(standardList()->isVisible());
  EXPECT_FALSE(expertList()->isVisible());
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nBob,64\n");
  EXPECT_EQ(fileBytes(scores::kExpertFile), "Cleo,96\n");
}

TEST_F(ScoreListsTest, OddLinesAreDroppedOldLineEndsAndOddBytesKept) {
  writeFile(scores::kStandardFile, "Ann,87\rno comma\rBob,\r\r,5\rCarl,1,2\r J\xF6rg , 9 \r");
  open();
  // Shown as Latin-1, and kept as the bytes they are.
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"", "5"}, {"Carl", "1"}, {" J\xC3\xB6rg ", " 9 "}}));
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\n,5\nCarl,1\n J\xF6rg , 9 \n");
}

TEST_F(ScoreListsTest, WithoutFilesTheListsAreEmptyAndClosingCreatesBoth) {
  open();
  EXPECT_EQ(standardList()->rowCount(), 0);
  EXPECT_EQ(expertList()->rowCount(), 0);
  EXPECT_FALSE(exists(scores::kStandardFile));
  closeWindow();
  EXPECT_TRUE(exists(scores::kStandardFile));
  EXPECT_EQ(fileBytes(scores::kStandardFile), "");
  EXPECT_EQ(fileBytes(scores::kExpertFile), "");
}

TEST_F(ScoreListsTest, ScoreRevealsTheNameEntryForGood) {
  open();
  press("scoreButton");
  press("scoreButton");
  for (const char* shown : {"nameCaption", "nameField", "recordButton"}) EXPECT_FALSE(control(shown)->isHidden()) << shown;
}

TEST_F(ScoreListsTest, RecordWritesTheFileFirstThenTheRow) {
  writeFile(scores::kStandardFile, "Ann,87\n");
  open();
  finishWithRightDigits(9);
  record("Zoe");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\n");
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"Zoe", "100"}}));
  press("recordButton");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\nZoe,100\n");
  EXPECT_EQ(standardList()->rowCount(), 3);
  EXPECT_EQ(nameField()->text().toStdString(), "Zoe");
}

TEST_F(ScoreListsTest, ARecordWithoutAScoreDoesNotSurviveARestart) {
  open();
  record("Early");
  record("");
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Early", ""}, {"", ""}}));
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Early,\n,\n");
  reopen();
  EXPECT_EQ(standardList()->rowCount(), 0);
}

TEST_F(ScoreListsTest, AnEmptyNameSurvivesARestart) {
  open();
  finishWithRightDigits(4);
  record("");
  reopen();
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"", "44"}}));
}

TEST_F(ScoreListsTest, AfterAModeSwitchTheRecordGoesToTheNewModesListAndFile) {
  open();
  finishWithRightDigits(3);
  chooseExpert();
  record("Ex");
  EXPECT_EQ(rowsOf(expertList()), (Rows{{"Ex", "33"}}));
  EXPECT_EQ(standardList()->rowCount(), 0);
  EXPECT_EQ(fileBytes(scores::kExpertFile), "Ex,33\n");
  EXPECT_FALSE(exists(scores::kStandardFile));
}

TEST_F(ScoreListsTest, TheNameEntryRefusesCommasAndLineBreaks) {
  open();
  press("scoreButton");
  QLineEdit* field = nameField();
  field->setFocus();
  QTest::keyClicks(field, "Ann,Lee");
  EXPECT_EQ(nameField()->text().toStdString(), "AnnLee");
  QApplication::clipboard()->setText(" & Bo,\nb\r\n");
  field->paste();
  EXPECT_EQ(nameField()->text().toStdString(), "AnnLee & Bob");
  press("recordButton");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "AnnLee & Bob,\n");
}

TEST_F(ScoreListsTest, HeadingClicksSortAsTheHelpTextSays) {
  writeFile(scores::kStandardFile, "bob,9\nAnn,100\ncarl,87\nDora,87\n");
  open();
  clickHeading(standardList(), 1);  // bottom score to top score
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"bob", "9"}, {"carl", "87"}, {"Dora", "87"}, {"Ann", "100"}}));
  clickHeading(standardList(), 1);  // again top to bottom
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "100"}, {"carl", "87"}, {"Dora", "87"}, {"bob", "9"}}));
  clickHeading(standardList(), 0);  // names in reverse order
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Dora", "87"}, {"carl", "87"}, {"bob", "9"}, {"Ann", "100"}}));
  clickHeading(standardList(), 0);  // alphabetical again
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "100"}, {"bob", "9"}, {"carl", "87"}, {"Dora", "87"}}));
}

TEST_F(ScoreListsTest, TheSortedOrderIsSavedAndARecordAfterSortingStaysAtTheBottom) {
  writeFile(scores::kStandardFile, "b,2\na,1\nc,3\n");
  open();
  clickHeading(standardList(), 0);
  finishWithRightDigits(0);
  record("A0");
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"A0", "0"}}));
  reopen();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "a,1\nb,2\nc,3\nA0,0\n");
  EXPECT_FALSE(standardList()->horizontalHeader()->isSortIndicatorShown());
}

TEST_F(ScoreListsTest, AClickOnARowRemovesItAndNothingElseDoes) {
  writeFile(scores::kStandardFile, "a,1\nb,2\nc,3\n");
  open();
  clickCell(standardList(), 1, 1);
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"a", "1"}, {"c", "3"}}));
  fw::ListBox* v = standardList();
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(20, v->viewport()->height() - 5));
  EXPECT_EQ(standardList()->rowCount(), 2);
  clickHeading(standardList(), 0);
  EXPECT_EQ(standardList()->rowCount(), 2);
  clickCell(standardList(), 0, 0);
  clickCell(standardList(), 0, 1);
  EXPECT_EQ(standardList()->rowCount(), 0);
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "");
  EXPECT_TRUE(exists(scores::kStandardFile));
}

TEST_F(ScoreListsTest, RecordStartsANewLineWhenTheFileEndsWithoutOne) {
  writeFile(scores::kStandardFile, "Bob,64");
  open();
  finishWithRightDigits(0);
  record("Zed");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Bob,64\nZed,0\n");
  reopen();
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Bob", "64"}, {"Zed", "0"}}));
}

TEST_F(ScoreListsTest, AFileThatCannotBeReadIsLeftAloneAndThePlayerToldOnce) {
  ASSERT_EQ(::mkfifo(path(scores::kStandardFile).c_str(), 0600), 0);
  writeFile(scores::kExpertFile, "Cleo,96\n");
  open();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(mentions(told[0], path(scores::kStandardFile) + ": it is not a regular file"));
  finishWithRightDigits(1);
  record("Ann");
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Ann", "11"}}));
  ASSERT_EQ(told.size(), 2u);
  EXPECT_TRUE(mentions(told[1], "Your score is kept only in the list for now."));
  closeWindow();
  EXPECT_EQ(told.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_fifo(path(scores::kStandardFile)));
  EXPECT_EQ(fileBytes(scores::kExpertFile), "Cleo,96\n");
}

TEST_F(ScoreListsTest, TwoGamesKeepEachOthersRecordsAndRemovals) {
  writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
  open();
  std::unique_ptr<ui::GameWindow> first = std::move(window);
  open();
  std::unique_ptr<ui::GameWindow> second = std::move(window);

  window = std::move(first);
  finishWithRightDigits(5);
  record("Alice");
  clickCell(standardList(), 1, 0);  // Bob
  first = std::move(window);
  window = std::move(second);
  finishWithRightDigits(4);
  record("Bert");
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nBob,64\nAlice,56\nBert,44\n");

  first->close();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nAlice,56\nBert,44\n");
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\nBert,44\nAlice,56\n");
}

TEST_F(ScoreListsTest, ARecordThatCannotReachTheFileStaysInTheListAndThePlayerIsTold) {
  open();
  finishWithRightDigits(1);
  {
    QLockFile otherGame(QString::fromStdString(path(scores::kStandardFile) + ".lock"));
    ASSERT_TRUE(otherGame.tryLock());
    record("Kept");
  }
  EXPECT_EQ(rowsOf(standardList()), (Rows{{"Kept", "11"}}));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(mentions(told[0], path(scores::kStandardFile) + ": another game, process " + std::to_string(::getpid()) +
                                    ", kept it locked"));
  EXPECT_FALSE(exists(scores::kStandardFile));
  closeWindow();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Kept,11\n");
}

struct AfterAFailedSave {
  const char* name;
  fw::MessageDialog::Button answer;
  bool stillOpen;
  const char* standardFile;
};
void PrintTo(const AfterAFailedSave& value, std::ostream* out) { *out << value.name; }

class FailedSaves : public ScoreListsTest, public testing::WithParamInterface<AfterAFailedSave> {};

TEST_P(FailedSaves, LetThePlayerChoose) {
  writeFile(scores::kStandardFile, "Ann,87\n");
  open();
  finishWithRightDigits(1);
  record("New");
  clickCell(standardList(), 0, 0);
  breakFiles();
  answers = {GetParam().answer};
  // Trying again succeeds: the cause has gone by then.
  fw::MessageDialog::Answerer answerer = [this](const fw::MessageDialog& dialog) {
    told.push_back(dialog.message + " " + dialog.explanation);
    mendFiles();
    return GetParam().answer;
  };
  fw::MessageDialog::setAnswerer(answerer);
  closeWindow();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(mentions(told[0], "Your scores could not be saved."));
  EXPECT_TRUE(mentions(told[0], path(scores::kStandardFile) + ": it is a folder, not a file"));
  EXPECT_TRUE(mentions(told[0], path(scores::kExpertFile) + ": it is a folder, not a file"));
  EXPECT_EQ(window->isVisible(), GetParam().stillOpen);
  EXPECT_EQ(fileBytes(scores::kStandardFile), GetParam().standardFile);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreLists, FailedSaves,
    testing::Values(AfterAFailedSave{"TryAgain", fw::MessageDialog::Button::Action, false, "New,11\n"},
                    AfterAFailedSave{"QuitWithoutSaving", fw::MessageDialog::Button::Alternate, false,
                                     "Ann,87\nNew,11\n"},
                    AfterAFailedSave{"BackToTheGame", fw::MessageDialog::Button::Cancel, true, "Ann,87\nNew,11\n"}),
    [](const testing::TestParamInfo<AfterAFailedSave>& info) { return std::string(info.param.name); });

// The window's close button, pressed while the player is asked, waits for the answer.
TEST_F(ScoreListsTest, ACloseRequestDuringTheFailedSaveQuestionWaitsForTheAnswer) {
  writeFile(scores::kStandardFile, "Ann,87\n");
  open();
  clickCell(standardList(), 0, 0);
  breakFiles();
  fw::MessageDialog::setAnswerer([this](const fw::MessageDialog& dialog) {
    told.push_back(dialog.message);
    QCloseEvent fromTheDesktop;
    QCoreApplication::sendEvent(window->windowHandle(), &fromTheDesktop);
    return fw::MessageDialog::Button::Cancel;  // back to the game
  });
  closeWindow();
  EXPECT_EQ(told, std::vector<std::string>{"Your scores could not be saved."});
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowHandle()->handle());
  mendFiles();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Ann,87\n");
}

TEST_F(ScoreListsTest, TheSessionsSaveRequestWritesTheListsAndTheGameGoesOn) {
  writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
  open();
  fw::quitOnTerminationRequests([this] { window->saveScores(); });
  clickCell(standardList(), 0, 0);
  fw::handleSaveRequest();
  EXPECT_EQ(fileBytes(scores::kStandardFile), "Bob,64\n");
  EXPECT_EQ(fileBytes(scores::kExpertFile), "");
  EXPECT_TRUE(window->isVisible());

  // Nobody may be there to answer: a failure is written to standard error instead.
  breakFiles();
  testing::internal::CaptureStderr();
  fw::handleSaveRequest();
  const std::string warning = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(told.empty());
  EXPECT_TRUE(mentions(warning, path(scores::kStandardFile) + ": it is a folder, not a file"));
  EXPECT_TRUE(fw::playerCanBeAsked());
}

struct Shown {
  const char* name;
  std::string bytes;
  QString text;
};
void PrintTo(const Shown& value, std::ostream* out) { *out << value.name; }

class ListCells : public testing::TestWithParam<Shown> {};

// What a list shows of a cell; its bytes stay as they are.
TEST_P(ListCells, ShowEveryCellWholeOrPlainlyCut) {
  scores::ScoreList list("", scores::kStandardFile);
  ui::ScoreListModel model(list);
  model.showRows();
  model.addRow(GetParam().bytes, "1");
  EXPECT_EQ(model.index(0, 0).data().toString(), GetParam().text);
  EXPECT_EQ(list.cell(0, 0), GetParam().bytes);
}

const QString kEllipsis(QChar(0x2026));

INSTANTIATE_TEST_SUITE_P(
    ScoreLists, ListCells,
    testing::Values(Shown{"Utf8", "J\xC3\xB6rg", QString::fromUtf8("J\xC3\xB6rg")},
                    Shown{"Latin1", "J\xF6rg", QString::fromUtf8("J\xC3\xB6rg")},
                    Shown{"Latin1AtTheEnd", "Jos\xE9", QString::fromUtf8("Jos\xC3\xA9")},
                    Shown{"HugeName", std::string(10'000'000, 'a'), QString(300, 'a') + kEllipsis},
                    Shown{"LongUtf8CutBetweenCharacters", std::string(2000, 'a').replace(1199, 2, "\xC3\xA9"),
                          QString(300, 'a') + kEllipsis},
                    Shown{"LongLatin1", std::string(400, '\xE9'), QString(300, QChar(0xE9)) + kEllipsis},
                    Shown{"JustShortEnough", std::string(300, 'b'), QString(300, 'b')}),
    [](const testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

TEST_F(ScoreListsTest, NegativeScoresSortFromTheBottom) {
  writeFile(scores::kStandardFile, "a,5\nb,-2\nc,11\nd,-10\ne,0\nf,-5\n");
  open();
  clickHeading(standardList(), 1);
  std::vector<std::string> order;
  for (const auto& row : rowsOf(standardList())) order.push_back(row.second);
  EXPECT_EQ(order, (std::vector<std::string>{"-10", "-5", "-2", "0", "5", "11"}));
}

}  // namespace
