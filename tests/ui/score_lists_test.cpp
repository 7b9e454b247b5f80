// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The score lists in the game window: loaded, recorded, sorted, pruned and
// saved, with what the player is told when a file fails.

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QAbstractItemModelTester>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

#include "../game/scripted_shuffler.h"
#include "dialog_answers.h"
#include "standard_error_caught.h"
#include "framework/list/list_box.h"
#include "framework/window/application.h"
#include "framework/window/message_dialog.h"
#include "scores/score_store.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
using Button = fw::MessageDialog::Button;

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

class ScoreListsTest : public QObject {
  Q_OBJECT

private:
  // Opens the game window and waits for its lists to be read.
  void open() {
    window = std::make_unique<ui::GameWindow>(*shuffle, folder());
    // Qt's own checks of a model's contract watch both lists from their reading on.
    for (fw::ListBox* list : {standardList(), expertList()}) {
      testers.push_back(std::make_unique<QAbstractItemModelTester>(list->model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
    }
    window->open();
    QVERIFY(settled());
  }
  ui::ScoreListModel& model(fw::ListBox* list) const { return *static_cast<ui::ScoreListModel*>(list->model()); }
  // Whether the steps asked of the lists have all run.
  bool settled() const {
    return QTest::qWaitFor([this] { return !model(standardList()).busy() && !model(expertList()).busy(); }, 60'000);
  }
  // Closes the window, which saves the lists first; it stays open when the
  // player goes back to the game after a failed save.
  void closeWindow(bool staysOpen = false) { closeWindow(*window, staysOpen); }
  void closeWindow(ui::GameWindow& closing, bool staysOpen = false) {
    const std::size_t asked = dialogs->shown().size();
    closing.close();
    if (!staysOpen) {
      QVERIFY(QTest::qWaitFor([&closing] { return !closing.isVisible(); }, 60'000));
      return;
    }
    QVERIFY(QTest::qWaitFor([&] { return dialogs->shown().size() > asked && settled() && !QApplication::activeModalWidget(); }, 60'000));
    QVERIFY(closing.isVisible());
  }
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
    shuffle->next({2, 9, 4, 7, 5, 3, 6, 1, 8});
    press("startButton");
    for (int square = 0; square < right; ++square) {
      control<QLineEdit>(("square" + std::to_string(square)).c_str())->setText(QString::number(window->game().solution[square]));
    }
    press("doneButton");
  }

  std::string folder() const { return preferences->path().toStdString(); }
  std::string path(const char* file) const { return folder() + "/" + file; }
  bool exists(const char* file) const { return std::filesystem::exists(path(file)); }
  // A folder takes each file's place, so that saving it fails, until mended.
  void breakFiles() {
    for (const char* file : {scores::kStandardFile, scores::kExpertFile}) {
      if (exists(file)) broken_[file] = fileBytes(file).toStdString();
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
  QByteArray fileBytes(const char* file) const {
    std::ifstream in(path(file), std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
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
    QVERIFY(settled());
  }
  void clickCell(fw::ListBox* list, int row, int column) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, column)).center());
  }
  void record(const std::string& name) {
    press("scoreButton");
    nameField()->setText(QString::fromStdString(name));
    press("recordButton");
    QVERIFY(settled());
  }
  // Whether the dialogs told the player that many things, once they have shown and been answered.
  bool toldThings(std::size_t count) const {
    return QTest::qWaitFor([&] { return told().size() >= count; }, 60'000) && told().size() == count;
  }
  // What the message dialogs said, message and explanation, once they are all answered.
  std::vector<std::string> told() const {
    if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 60'000)) {
      QTest::qFail("a dialog was left unanswered", __FILE__, __LINE__);
    }
    std::vector<std::string> all;
    for (std::size_t dialog = 0; dialog < dialogs->shown().size(); ++dialog) all.push_back(dialogs->said(dialog));
    return all;
  }

  // How the player answers the next dialogs; the first button when none is left.
  std::vector<Button> answers;
  std::unique_ptr<testing_support::DialogAnswers> dialogs;
  std::map<std::string, std::string> broken_;
  std::unique_ptr<QTemporaryDir> preferences;
  std::unique_ptr<testing_support::ScriptedShuffler> shuffle;
  std::unique_ptr<ui::GameWindow> window;
  std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;

private slots:
  // Each test with a folder, a shuffler and dialogs of its own.
  void init() {
    preferences = std::make_unique<QTemporaryDir>();
    shuffle = std::make_unique<testing_support::ScriptedShuffler>();
    broken_.clear();
    answers.clear();
    dialogs = std::make_unique<testing_support::DialogAnswers>([this](const auto&, QMessageBox&) {
      if (answers.empty()) return Button::Action;
      const Button answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
  }
  void cleanup() {
    testers.clear();
    window.reset();
    dialogs.reset();
    shuffle.reset();
    preferences.reset();
  }

  void listsLoadFromTheirFilesAndComeBackUnchanged() {
    writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
    writeFile(scores::kExpertFile, "Cleo,96\n");
    open();
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
    QCOMPARE(rowsOf(expertList()), (Rows{{"Cleo", "96"}}));
    QVERIFY(standardList()->isVisible());
    QVERIFY(!(expertList()->isVisible()));
    closeWindow();
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nBob,64\n");
    QCOMPARE(fileBytes(scores::kExpertFile), "Cleo,96\n");
  }

  void oddLinesAreDroppedOldLineEndsAndOddBytesKept() {
    const std::string read = "Ann,87\rno comma\rBob,\r\r,5\rCarl,1,2\r J\xF6rg , 9 \r";
    writeFile(scores::kStandardFile, read);
    open();
    // Shown as Latin-1, and kept as the bytes they are.
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"", "5"}, {"Carl", "1"}, {" J\xC3\xB6rg ", " 9 "}}));
    // The lines left out or cut are told, and kept in a copy of the file before the save drops them.
    QVERIFY(toldThings(1));
    QVERIFY(mentions(told()[0], path(scores::kStandardFile) + " has lines the game cannot read whole as a name and a score (2 of them): they are left out of the list, or shortened"));
    QVERIFY(mentions(told()[0], path(scores::kStandardFile) + ".bak."));
    closeWindow();
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\n,5\nCarl,1\n J\xF6rg , 9 \n");
    QCOMPARE(fileBytes("Veltrano.prefs.bak"), QByteArray::fromStdString(read));
  }

  void withoutFilesTheListsAreEmptyAndClosingCreatesBoth() {
    open();
    QCOMPARE(standardList()->rowCount(), 0);
    QCOMPARE(expertList()->rowCount(), 0);
    QVERIFY(!(exists(scores::kStandardFile)));
    closeWindow();
    QVERIFY(exists(scores::kStandardFile));
    QCOMPARE(fileBytes(scores::kStandardFile), "");
    QCOMPARE(fileBytes(scores::kExpertFile), "");
  }

  void scoreRevealsTheNameEntryForGood() {
    open();
    press("scoreButton");
    press("scoreButton");
    for (const char* shown : {"nameCaption", "nameField", "recordButton"}) QVERIFY(!(control(shown)->isHidden()));
  }

  void recordAddsTheRowAndItsLineToTheFile() {
    writeFile(scores::kStandardFile, "Ann,87\n");
    open();
    finishWithRightDigits(9);
    record("Zoe");
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\n");
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "87"}, {"Zoe", "100"}}));
    press("recordButton");
    QVERIFY(settled());
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nZoe,100\nZoe,100\n");
    QCOMPARE(standardList()->rowCount(), 3);
    QCOMPARE(nameField()->text(), QString("Zoe"));
  }

  void aRecordWithoutAScoreDoesNotSurviveARestart() {
    open();
    record("Early");
    record("");
    QCOMPARE(rowsOf(standardList()), (Rows{{"Early", ""}, {"", ""}}));
    QCOMPARE(fileBytes(scores::kStandardFile), "Early,\n,\n");
    reopen();
    QCOMPARE(standardList()->rowCount(), 0);
  }

  void anEmptyNameSurvivesARestart() {
    open();
    finishWithRightDigits(4);
    record("");
    reopen();
    QCOMPARE(rowsOf(standardList()), (Rows{{"", "44"}}));
  }

  void afterAModeSwitchTheRecordGoesToTheNewModesListAndFile() {
    open();
    finishWithRightDigits(3);
    chooseExpert();
    record("Ex");
    QCOMPARE(rowsOf(expertList()), (Rows{{"Ex", "33"}}));
    QCOMPARE(standardList()->rowCount(), 0);
    QCOMPARE(fileBytes(scores::kExpertFile), "Ex,33\n");
    QVERIFY(!(exists(scores::kStandardFile)));
  }

  void theNameEntryRefusesCommasAndLineBreaks() {
    open();
    press("scoreButton");
    QLineEdit* field = nameField();
    field->setFocus();
    QTest::keyClicks(field, "Ann,Lee");
    QCOMPARE(nameField()->text(), QString("AnnLee"));
    QApplication::clipboard()->setText(" & Bo,\nb\r\n");
    field->paste();
    QCOMPARE(nameField()->text(), QString("AnnLee & Bob"));
    press("recordButton");
    QVERIFY(settled());
    QCOMPARE(fileBytes(scores::kStandardFile), "AnnLee & Bob,\n");
  }

  void headingClicksSortAsTheHelpTextSays() {
    writeFile(scores::kStandardFile, "bob,9\nAnn,100\ncarl,87\nDora,87\n");
    open();
    clickHeading(standardList(), 1);  // bottom score to top score
    QCOMPARE(rowsOf(standardList()), (Rows{{"bob", "9"}, {"carl", "87"}, {"Dora", "87"}, {"Ann", "100"}}));
    clickHeading(standardList(), 1);  // again top to bottom
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "100"}, {"carl", "87"}, {"Dora", "87"}, {"bob", "9"}}));
    clickHeading(standardList(), 0);  // names in reverse order
    QCOMPARE(rowsOf(standardList()), (Rows{{"Dora", "87"}, {"carl", "87"}, {"bob", "9"}, {"Ann", "100"}}));
    clickHeading(standardList(), 0);  // alphabetical again
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "100"}, {"bob", "9"}, {"carl", "87"}, {"Dora", "87"}}));
  }

  void theSortedOrderIsSavedAndARecordAfterSortingStaysAtTheBottom() {
    writeFile(scores::kStandardFile, "b,2\na,1\nc,3\n");
    open();
    clickHeading(standardList(), 0);
    finishWithRightDigits(0);
    record("A0");
    QCOMPARE(rowsOf(standardList()), (Rows{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"A0", "0"}}));
    reopen();
    QCOMPARE(fileBytes(scores::kStandardFile), "a,1\nb,2\nc,3\nA0,0\n");
    QVERIFY(!(standardList()->horizontalHeader()->isSortIndicatorShown()));
  }

  void aClickOnARowRemovesItAndNothingElseDoes() {
    writeFile(scores::kStandardFile, "a,1\nb,2\nc,3\n");
    open();
    clickCell(standardList(), 1, 1);
    QCOMPARE(rowsOf(standardList()), (Rows{{"a", "1"}, {"c", "3"}}));
    fw::ListBox* v = standardList();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(20, v->viewport()->height() - 5));
    QCOMPARE(standardList()->rowCount(), 2);
    clickHeading(standardList(), 0);
    QCOMPARE(standardList()->rowCount(), 2);
    clickCell(standardList(), 0, 0);
    clickCell(standardList(), 0, 1);
    QCOMPARE(standardList()->rowCount(), 0);
    closeWindow();
    QCOMPARE(fileBytes(scores::kStandardFile), "");
    QVERIFY(exists(scores::kStandardFile));
  }

  // A sort moves the current row with its player: Delete then removes that
  // player and no other.
  void aSortKeepsTheCurrentRowWithItsPlayer() {
    writeFile(scores::kStandardFile, "c,3\na,1\nb,2\n");
    open();
    standardList()->selectRow(0);  // c
    clickHeading(standardList(), 0);
    QCOMPARE(standardList()->currentIndex().row(), 2);
    QTest::keyClick(standardList(), Qt::Key_Delete);
    QCOMPARE(rowsOf(standardList()), (Rows{{"a", "1"}, {"b", "2"}}));
  }

  void recordStartsANewLineWhenTheFileEndsWithoutOne() {
    writeFile(scores::kStandardFile, "Bob,64");
    open();
    finishWithRightDigits(0);
    record("Zed");
    QCOMPARE(fileBytes(scores::kStandardFile), "Bob,64\nZed,0\n");
    reopen();
    QCOMPARE(rowsOf(standardList()), (Rows{{"Bob", "64"}, {"Zed", "0"}}));
  }

  void aFileThatCannotBeReadIsLeftAloneAndThePlayerToldOnce() {
    QCOMPARE(::mkfifo(path(scores::kStandardFile).c_str(), 0600), 0);
    writeFile(scores::kExpertFile, "Cleo,96\n");
    open();
    QVERIFY(toldThings(1));
    QVERIFY(mentions(told()[0], path(scores::kStandardFile) + ": it is not a regular file"));
    finishWithRightDigits(1);
    record("Ann");
    QCOMPARE(rowsOf(standardList()), (Rows{{"Ann", "11"}}));
    QVERIFY(toldThings(2));
    QVERIFY(mentions(told()[1], "Your score is kept only in the list for now."));
    // The file is left as it is, so no save will try it again.
    QVERIFY(!mentions(told()[1], "tries again"));
    closeWindow();
    QVERIFY(toldThings(2));
    QVERIFY(std::filesystem::is_fifo(path(scores::kStandardFile)));
    QCOMPARE(fileBytes(scores::kExpertFile), "Cleo,96\n");
  }

  void twoGamesKeepEachOthersRecordsAndRemovals() {
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
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nBob,64\nAlice,56\nBert,44\n");

    closeWindow(*first);
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nAlice,56\nBert,44\n");
    closeWindow();
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\nBert,44\nAlice,56\n");
  }

  void aRecordThatCannotReachTheFileStaysInTheListAndThePlayerIsTold() {
    open();
    finishWithRightDigits(1);
    {
      QLockFile otherGame(QString::fromStdString(path(scores::kStandardFile) + ".lock"));
      QVERIFY(otherGame.tryLock());
      record("Kept");
    }
    QCOMPARE(rowsOf(standardList()), (Rows{{"Kept", "11"}}));
    QVERIFY(toldThings(1));
    QVERIFY(mentions(told()[0], path(scores::kStandardFile) + ": another game, process " + std::to_string(::getpid()) +
                                      ", kept it locked"));
    QVERIFY(mentions(told()[0], "The game tries again to save the list when it closes."));
    QVERIFY(!(exists(scores::kStandardFile)));
    closeWindow();
    QCOMPARE(fileBytes(scores::kStandardFile), "Kept,11\n");
  }

// The window's close button, pressed while the player is asked, waits for the answer.

  void negativeScoresSortFromTheBottom() {
    writeFile(scores::kStandardFile, "a,5\nb,-2\nc,11\nd,-10\ne,0\nf,-5\n");
    open();
    clickHeading(standardList(), 1);
    std::vector<std::string> order;
    for (const auto& row : rowsOf(standardList())) order.push_back(row.second);
    QCOMPARE(order, (std::vector<std::string>{"-10", "-5", "-2", "0", "5", "11"}));
  }

  void failedSavesLetThePlayerChoose_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QByteArray>("standardFile");
    QTest::newRow("try again") << int(Button::Action) << false << QByteArray("New,11\n");
    QTest::newRow("quit without saving") << int(Button::Alternate) << false << QByteArray("Ann,87\nNew,11\n");
    QTest::newRow("back to the game") << int(Button::Cancel) << true << QByteArray("Ann,87\nNew,11\n");
  }
  void failedSavesLetThePlayerChoose() {
    QFETCH(int, answer);
    QFETCH(bool, stillOpen);
    QFETCH(QByteArray, standardFile);
    writeFile(scores::kStandardFile, "Ann,87\n");
    open();
    finishWithRightDigits(1);
    record("New");
    clickCell(standardList(), 0, 0);
    breakFiles();
    // Trying again succeeds: the cause has gone by then.
    dialogs->answerWith([this, answer](const auto&, QMessageBox&) {
      mendFiles();
      return Button(answer);
    });
    closeWindow(stillOpen);
    QVERIFY(toldThings(1));
    QVERIFY(mentions(told()[0], "Your scores could not be saved."));
    QVERIFY(mentions(told()[0], path(scores::kStandardFile) + ": it is a folder, not a file"));
    QVERIFY(mentions(told()[0], path(scores::kExpertFile) + ": it is a folder, not a file"));
    QCOMPARE(window->isVisible(), stillOpen);
    QCOMPARE(fileBytes(scores::kStandardFile), standardFile);
  }

  // The window's close button, pressed while the player is asked, waits for the answer.
  void aCloseRequestDuringTheFailedSaveQuestionWaitsForTheAnswer() {
    writeFile(scores::kStandardFile, "Ann,87\n");
    open();
    clickCell(standardList(), 0, 0);
    breakFiles();
    dialogs->answerWith([this](const auto&, QMessageBox&) {
      QCloseEvent fromTheDesktop;
      QCoreApplication::sendEvent(window->windowHandle(), &fromTheDesktop);
      return Button::Cancel;  // back to the game
    });
    closeWindow(true);
    QCOMPARE(dialogs->shown().size(), std::size_t{1});
    QCOMPARE(dialogs->shown()[0].message, std::string("Your scores could not be saved."));
    QVERIFY(window->isVisible());
    QVERIFY(window->windowHandle()->handle());
    mendFiles();
    QCOMPARE(fileBytes(scores::kStandardFile), "Ann,87\n");
  }

  void theSessionsSaveRequestWritesTheListsAndTheGameGoesOn() {
    writeFile(scores::kStandardFile, "Ann,87\nBob,64\n");
    open();
    fw::quitOnTerminationRequests([this] { window->saveScores(); });
    clickCell(standardList(), 0, 0);
    fw::handleSaveRequest();
    QCOMPARE(fileBytes(scores::kStandardFile), "Bob,64\n");
    QCOMPARE(fileBytes(scores::kExpertFile), "");
    QVERIFY(window->isVisible());

    // Nobody may be there to answer: a failure is written to standard error instead.
    breakFiles();
    std::string warning;
    {
      testing_support::StandardErrorCaught caught;
      fw::handleSaveRequest();
      warning = caught.text();
    }
    QVERIFY(told().empty());
    QVERIFY2(mentions(warning, path(scores::kStandardFile) + ": it is a folder, not a file"), warning.c_str());
    QVERIFY(fw::userCanBeAsked());
  }

  // What a list shows of a cell; its bytes stay as they are.
  void listCellsShowWholeOrPlainlyCut_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    const QString ellipsis(QChar(0x2026));
    QTest::newRow("UTF-8") << QByteArray("J\xC3\xB6rg") << QString::fromUtf8("J\xC3\xB6rg");
    QTest::newRow("Latin-1") << QByteArray("J\xF6rg") << QString::fromUtf8("J\xC3\xB6rg");
    QTest::newRow("Latin-1 at the end") << QByteArray("Jos\xE9") << QString::fromUtf8("Jos\xC3\xA9");
    QTest::newRow("a huge name") << QByteArray(10'000'000, 'a') << QString(300, 'a') + ellipsis;
    QTest::newRow("long UTF-8, cut between characters")
        << QByteArray::fromStdString(std::string(2000, 'a').replace(1199, 2, "\xC3\xA9")) << QString(300, 'a') + ellipsis;
    QTest::newRow("long Latin-1") << QByteArray(400, '\xE9') << QString(300, QChar(0xE9)) + ellipsis;
    QTest::newRow("just short enough") << QByteArray(300, 'b') << QString(300, 'b');
  }
  void listCellsShowWholeOrPlainlyCut() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    scores::ScoreList list("", scores::kStandardFile);
    ui::ScoreListModel model(list);
    model.load({});
    QVERIFY(QTest::qWaitFor([&model] { return !model.busy(); }));
    model.addRow(bytes.toStdString(), "1");
    QCOMPARE(model.index(0, 0).data().toString(), shown);
    QCOMPARE(QByteArray::fromStdString(std::string(list.cell(0, 0))), bytes);
  }
};

QTEST_MAIN(ScoreListsTest)
#include "score_lists_test.moc"
