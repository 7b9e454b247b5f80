// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The ways the score lists are saved and recorded around a quit, each test in
// a process of its own: a quit or a signal leaves the application quitting.
//   quit_paths_test TEST_FUNCTION

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QLockFile>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <numeric>
#include <random>
#include <sstream>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../game/scripted_shuffler.h"
#include "dialog_answers.h"
#include "standard_error_caught.h"
#include "framework/list/list_box.h"
#include "framework/window/application.h"
#include "scores/score_store.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"
#include "ui/score_lists.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
using Button = fw::MessageDialog::Button;

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The two lists of one game, kept in the folder, in a window that saves them
// when it closes and stays open when the player goes back to the game.
class Game final : public QWidget {
public:
  explicit Game(const std::string& folder)
      : standard_(this), expert_(this), lists(folder) {
    lists.show(standard_, expert_);
    bool read = false;
    lists.whenRead([&read] { read = true; });
    if (!QTest::qWaitFor([&read] { return read; }, 60'000)) qFatal("the lists were not read");
  }
  // Saves as a quit does and waits for the outcome: whether the game may close.
  bool save() {
    std::optional<bool> mayClose;
    lists.save([&mayClose](bool may) { mayClose = may; });
    if (!QTest::qWaitFor([&mayClose] { return mayClose.has_value(); }, 60'000)) qFatal("the save did not end");
    return *mayClose;
  }
  // Whether the steps asked for have all run.
  bool settled() {
    return QTest::qWaitFor([this] { return !lists.model(game::Mode::Standard).busy() && !lists.model(game::Mode::Expert).busy(); }, 60'000);
  }
  Rows rows() const {
    Rows rows;
    const QAbstractItemModel* model = standard_.model();
    for (int r = 0; r < model->rowCount(); ++r) {
      rows.emplace_back(model->index(r, 0).data().toString().toStdString(), model->index(r, 1).data().toString().toStdString());
    }
    return rows;
  }
  void removeRow(int row) { standard_.model()->removeRow(row); }

  fw::ListBox standard_;
  fw::ListBox expert_;
  ui::ScoreLists lists;

protected:
  // As the game window does: it closes once the lists are saved.
  void closeEvent(QCloseEvent* event) override {
    if (mayClose_) return;
    if (!fw::userCanBeAsked()) {
      lists.saveHere();
      return;
    }
    event->ignore();
    lists.save([this](bool may) {
      mayClose_ = may;
      if (may) close();
    });
  }

private:
  bool mayClose_ = false;
};

}  // namespace

class QuitPaths : public QObject {
  Q_OBJECT

private:
  std::string folder() const { return dir_.path().toStdString(); }
  std::string path() const { return folder() + "/" + scores::kStandardFile; }
  void writeFile(const std::string& bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }
  QByteArray fileBytes() const {
    std::ifstream in(path(), std::ios::binary);
    return QByteArray::fromStdString({std::istreambuf_iterator<char>(in), {}});
  }
  // What the message dialogs said, message and explanation; each answered by its first button.
  std::vector<std::string> told() const {
    std::vector<std::string> all;
    for (std::size_t dialog = 0; dialog < dialogs->shown().size(); ++dialog) all.push_back(dialogs->said(dialog));
    return all;
  }

  std::unique_ptr<testing_support::DialogAnswers> dialogs = std::make_unique<testing_support::DialogAnswers>();
  QTemporaryDir dir_;

private slots:
  // Removing the rows front to back would shift the later ones: the wrong rows would go.
  // A few removals are taken one by one, many in one pass: the same rows either way.
  void anotherGamesRemovalsTakeTheSameRowsFromOurList() {
    for (const int removed : {2, 40}) {
      std::string lines;
      Rows kept;
      for (int row = 0; row < 60; ++row) {
        lines += "r" + std::to_string(row) + "," + std::to_string(row) + "\n";
        if (row < 10 || row >= 10 + removed) kept.emplace_back("r" + std::to_string(row), std::to_string(row));
      }
      writeFile(lines);
      Game ours(folder());
      Game other(folder());
      for (int row = 10 + removed - 1; row >= 10; --row) other.removeRow(row);
      QVERIFY(other.save());
      QVERIFY(ours.save());
      QCOMPARE(ours.rows(), kept);
      std::string expected;
      for (const auto& [name, score] : kept) expected += name + "," + score + "\n";
      QCOMPARE(fileBytes(), QByteArray::fromStdString(expected));
    }
  }

  // Another game holds the lock only while it writes: Record waits for it.
  // The other game lets go once Record has found the lock held (it closes the
  // lock file it opened to try), so that Record has to wait however loaded
  // the machine is.
  void aRecordWaitsForAGameThatHoldsTheLockForAMoment() {
    Game game(folder());
    const std::string lockPath = path() + ".lock";
    std::atomic<bool> held = false;
    std::atomic<bool> tried = false;
    std::thread otherGame([&lockPath, &held, &tried] {
      QLockFile lock(QString::fromStdString(lockPath));
      const int watch = ::inotify_init1(IN_CLOEXEC);
      held = lock.tryLock() && watch >= 0 && ::inotify_add_watch(watch, lockPath.c_str(), IN_CLOSE) >= 0;
      // A generous limit, only so that a Record that never tries ends the test.
      pollfd told{watch, POLLIN, 0};
      tried = held && ::poll(&told, 1, 60'000) == 1;
      if (watch >= 0) ::close(watch);
    });
    QVERIFY(QTest::qWaitFor([&held] { return held.load(); }));
    bool recorded = false;
    game.lists.record(game::Mode::Standard, "Ann", "87", [&recorded] { recorded = true; });
    QVERIFY(QTest::qWaitFor([&recorded] { return recorded; }, 60'000));
    otherGame.join();
    QVERIFY(tried);
    QVERIFY(told().empty());
    QCOMPARE(fileBytes(), "Ann,87\n");
  }

  // The session manager asks as it does at a logout: the lists are saved, and the game goes on.
  void theSessionManagersRequestToSaveWritesTheLists() {
    writeFile("Ann,87\nBob,64\n");
    Game game(folder());
    fw::quitOnTerminationRequests([&game] { game.lists.saveHere(); });
    game.removeRow(0);
    auto* manager = qApp->findChild<QSessionManager*>();
    QVERIFY(manager);
    emit qApp->commitDataRequest(*manager);
    QCOMPARE(fileBytes(), "Bob,64\n");
    QVERIFY(!(fw::isQuitting()));
  }

  // SIGTERM while Quit asks about a failed save ends the question and the quit;
  // the failure, which no window can show now, goes to standard error.
  void aSignalDuringTheFailedSaveQuestionEndsTheQuit() {
    dialogs.reset();  // the real dialog, which the signal must end
    Game game(folder());
    std::filesystem::create_directory(path());  // a folder in the file's place fails the save
    game.show();
    fw::quitOnTerminationRequests([&game] { game.lists.saveHere(); });
    std::string warning;
    {
      testing_support::StandardErrorCaught caught;
      fw::quitApplication(0);
      QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 60'000));
      QPointer<QWidget> question = QApplication::activeModalWidget();
      std::raise(SIGTERM);
      QVERIFY(QTest::qWaitFor([&question] { return !question || !question->isVisible(); }, 60'000));
      QVERIFY(QTest::qWaitFor([&game] { return !game.isVisible(); }, 60'000));
      warning = caught.text();
    }
    QVERIFY(!(game.isVisible()));
    QVERIFY2(mentions(warning, path() + ": it is a folder, not a file"), warning.c_str());
  }

  // The clock ends the game while a long list sorts, and Quit saves: the
  // expert list fails once, the player goes back to the game and quits again.
  // Another game's row, recorded before, is kept, and the list is whole.
  void theClockEndsTheGameDuringALongSortAndQuitKeepsEveryRow() {
    constexpr int kRows = 1'000'000;
    std::vector<int> numbers(kRows);
    std::iota(numbers.begin(), numbers.end(), 0);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(5));
    std::string lines;
    char line[32];
    for (int n : numbers) lines.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "p%07d,%d\n", n, n % 100)));
    writeFile(lines);
    const std::string expertPath = folder() + "/" + scores::kExpertFile;
    std::ofstream(expertPath) << "Cleo,96\n";

    testing_support::ScriptedShuffler shuffler;
    ui::GameWindow window(shuffler, folder());
    window.open();
    auto* list = window.content()->findChild<fw::ListBox*>("standardList");
    QVERIFY(QTest::qWaitFor([list] { return list->rowCount() == kRows; }, 120'000));
    window.content()->findChild<QPushButton*>("startButton")->click();
    std::ofstream(path(), std::ios::app) << "Other,1\n";  // another game's record
    std::filesystem::remove(expertPath);
    std::filesystem::create_directory(expertPath);  // fails the expert list's first save
    auto* clock = window.findChild<QTimer*>();
    bool backToTheGame = false;
    dialogs->answerWith([&](const testing_support::DialogAnswers::Shown& shown, QMessageBox&) {
      if (shown.message != "Your scores could not be saved.") return Button::Action;  // the game is over: Quit
      std::filesystem::remove(expertPath);
      std::ofstream(expertPath) << "Cleo,96\n";
      clock->setInterval(3'600'000);
      backToTheGame = true;
      return Button::Cancel;
    });
    clock->setInterval(1);
    QHeaderView* heading = list->horizontalHeader();
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, QPoint(heading->sectionSize(0) / 2, heading->height() / 2));
    QVERIFY(QTest::qWaitFor([&] { return backToTheGame && !QApplication::activeModalWidget(); }, 120'000));
    QCOMPARE(dialogs->shown().size(), std::size_t{2});  // the game over, once; the failed save
    QVERIFY(window.isVisible());
    fw::quitApplication(0);
    QVERIFY(QTest::qWaitFor([&window] { return !window.isVisible(); }, 120'000));

    std::sort(numbers.begin(), numbers.end());
    std::string expected;
    for (int n : numbers) expected.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "p%07d,%d\n", n, n % 100)));
    expected += "Other,1\n";
    QVERIFY(fileBytes() == QByteArray::fromStdString(expected));
    std::ifstream expert(expertPath);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(expert), {}), std::string("Cleo,96\n"));
  }

  // SIGTERM while a sort runs, with a removal and a record waiting for it:
  // the sort is stopped (or done), and the lists are saved here and now,
  // once, with the row recorded and without the row removed.
  void aSignalDuringASortSavesEveryRowOnce() {
    std::vector<std::string> lines;
    std::string bytes;
    for (int n = 0; n < 200'000; ++n) {
      lines.push_back("p" + std::to_string((n * 7919) % 200'000) + "," + std::to_string(n % 100));
      bytes += lines.back() + "\n";
    }
    writeFile(bytes);
    testing_support::ScriptedShuffler shuffler;
    ui::GameWindow window(shuffler, folder());
    window.open();
    fw::quitOnTerminationRequests([&window] { window.saveScores(); });
    auto* list = window.content()->findChild<fw::ListBox*>("standardList");
    QVERIFY(QTest::qWaitFor([list] { return list->rowCount() == 200'000; }, 120'000));
    QHeaderView* heading = list->horizontalHeader();
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, QPoint(heading->sectionSize(0) / 2, heading->height() / 2));
    QVERIFY(static_cast<ui::ScoreListModel*>(list->model())->busy());
    list->model()->removeRow(0);  // the file's first line, as shown before the sort
    window.content()->findChild<QPushButton*>("scoreButton")->click();
    window.content()->findChild<QLineEdit*>("nameField")->setText("Zed");
    window.content()->findChild<QPushButton*>("recordButton")->click();
    std::raise(SIGTERM);
    QVERIFY(QTest::qWaitFor([&window] { return !window.isVisible(); }, 120'000));
    lines.erase(lines.begin());
    lines.push_back("Zed,");
    std::sort(lines.begin(), lines.end());
    std::vector<std::string> saved;
    std::istringstream file(fileBytes().toStdString());
    for (std::string line; std::getline(file, line);) saved.push_back(line);
    std::sort(saved.begin(), saved.end());
    QVERIFY(saved == lines);
  }

  // Rows removed and recorded while a sort and a save wait or run are each
  // applied once, to the rows the player saw, and reach the file.
  void recordsAndRemovalsDuringASortAndASaveAreKeptOnce() {
    writeFile("d,4\nb,2\na,1\nc,3\n");
    Game game(folder());
    ui::ScoreListModel& rows = game.lists.model(game::Mode::Standard);
    rows.sort(0, Qt::AscendingOrder);
    QVERIFY(rows.busy());
    game.removeRow(0);  // "d", as shown before the sort
    game.removeRow(0);  // the same row again: still shown there
    std::ofstream(path(), std::ios::app) << "x,9\n";  // another game records meanwhile
    game.lists.record(game::Mode::Standard, "e", "5");
    std::optional<bool> saved;
    game.lists.save([&saved](bool mayClose) { saved = mayClose; });
    game.removeRow(1);  // "b", still shown unsorted: it waits for the sort, record and save
    QCOMPARE(game.rows(), (Rows{{"d", "4"}, {"b", "2"}, {"a", "1"}, {"c", "3"}}));
    QVERIFY(QTest::qWaitFor([&saved] { return saved.has_value(); }));
    QVERIFY(*saved);
    QVERIFY(game.settled());
    QCOMPARE(game.rows(), (Rows{{"a", "1"}, {"c", "3"}, {"e", "5"}, {"x", "9"}}));
    // The save wrote the file before "b" went: a second save, after it, carries that.
    QCOMPARE(fileBytes(), "a,1\nc,3\ne,5\nx,9\n");
  }

  // With neither XDG_CONFIG_HOME nor HOME usable the player is told so once,
  // and no file is written anywhere.
  void withoutAFolderThePlayerIsToldOnceAndQuitsWithoutAQuestion() {
    Game game("");
    game.lists.tellLoadProblems();
    QVERIFY(QTest::qWaitFor([this] { return told().size() == 1; }));
    QVERIFY(mentions(told()[0], "The score lists cannot be kept in files."));
    game.lists.record(game::Mode::Standard, "Ann", "87");
    QVERIFY(QTest::qWaitFor([this] { return told().size() == 2; }));
    QVERIFY(mentions(told()[1], "It could not be added to a file: there is no preferences folder."));
    QCOMPARE(game.rows(), (Rows{{"Ann", "87"}}));
    QVERIFY(game.save());
    QCOMPARE(told().size(), 2u);
  }
};

QTEST_MAIN(QuitPaths)
#include "quit_paths_test.moc"
