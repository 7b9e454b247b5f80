// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The ways the score lists are saved and recorded around a quit, each test in
// a process of its own: a quit or a signal leaves the application quitting.

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLockFile>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/window/application.h"
#include "framework/list/list_box.h"
#include "framework/window/message_dialog.h"
#include "scores/score_store.h"
#include "ui/score_lists.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The two lists of one game, kept in the folder, in a window that saves them
// when it closes and stays open when the player goes back to the game.
class Game final : public QWidget {
public:
  explicit Game(const std::string& folder)
      : standard_(this), expert_(this), lists(folder) {
    lists.show(standard_, expert_);
    lists.showRowsOnceRead();
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
  void closeEvent(QCloseEvent* event) override {
    if (!lists.save()) event->ignore();
  }
};

class QuitPaths : public testing::Test {
protected:
  void SetUp() override {
    fw::MessageDialog::setAnswerer([this](const fw::MessageDialog& dialog) {
      told.push_back(dialog.message + " " + dialog.explanation);
      return fw::MessageDialog::Button::Action;
    });
  }
  void TearDown() override { fw::MessageDialog::setAnswerer({}); }

  std::string folder() const { return dir_.path().toStdString(); }
  std::string path() const { return folder() + "/" + scores::kStandardFile; }
  void writeFile(const std::string& bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }
  std::string fileBytes() const {
    std::ifstream in(path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::vector<std::string> told;

private:
  QTemporaryDir dir_;
};

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Removing the rows front to back would shift the later ones: the wrong rows would go.
TEST_F(QuitPaths, AnotherGamesRemovalsTakeTheSameRowsFromOurList) {
  writeFile("a,1\nb,2\nc,3\nd,4\n");
  Game ours(folder());
  Game other(folder());
  other.removeRow(2);
  other.removeRow(1);
  ASSERT_TRUE(other.lists.save());
  ASSERT_TRUE(ours.lists.save());
  EXPECT_EQ(ours.rows(), (Rows{{"a", "1"}, {"d", "4"}}));
  EXPECT_EQ(fileBytes(), "a,1\nd,4\n");
}

// Another game holds the lock only while it writes: Record waits for it.
TEST_F(QuitPaths, ARecordWaitsForAGameThatHoldsTheLockForAMoment) {
  Game game(folder());
  std::atomic<bool> held = false;
  std::thread otherGame([this, &held] {
    QLockFile lock(QString::fromStdString(path() + ".lock"));
    EXPECT_TRUE(lock.tryLock());
    held = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  });
  while (!held) std::this_thread::yield();
  game.lists.record(game::Mode::Standard, "Ann", "87");
  otherGame.join();
  EXPECT_TRUE(told.empty()) << told.front();
  EXPECT_EQ(fileBytes(), "Ann,87\n");
}

// The session manager asks as it does at a logout: the lists are saved, and the game goes on.
TEST_F(QuitPaths, TheSessionManagersRequestToSaveWritesTheLists) {
  writeFile("Ann,87\nBob,64\n");
  Game game(folder());
  fw::quitOnTerminationRequests([&game] { game.lists.save(); });
  game.removeRow(0);
  auto* manager = qApp->findChild<QSessionManager*>();
  ASSERT_NE(manager, nullptr);
  emit qApp->commitDataRequest(*manager);
  EXPECT_EQ(fileBytes(), "Bob,64\n");
  EXPECT_FALSE(fw::isQuitting());
}

// SIGTERM while Quit asks about a failed save ends the question and the quit;
// the failure, which no window can show now, goes to standard error.
TEST_F(QuitPaths, ASignalDuringTheFailedSaveQuestionEndsTheQuit) {
  fw::MessageDialog::setAnswerer({});  // the real dialog, which the signal must end
  Game game(folder());
  std::filesystem::create_directory(path());  // a folder in the file's place fails the save
  game.show();
  fw::quitOnTerminationRequests([&game] { game.lists.save(); });
  bool endedBySignal = false;
  QTimer whenAsked;
  QObject::connect(&whenAsked, &QTimer::timeout, [&] {
    QWidget* question = QApplication::activeModalWidget();
    if (!question) return;
    whenAsked.stop();
    std::raise(SIGTERM);
    endedBySignal = QTest::qWaitFor([question] { return !question->isVisible(); }, 5000);
    if (!endedBySignal) qobject_cast<QDialog*>(question)->reject();
  });
  whenAsked.start(10);
  testing::internal::CaptureStderr();
  fw::quitApplication(0);
  const std::string warning = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(endedBySignal);
  EXPECT_FALSE(game.isVisible());
  EXPECT_TRUE(mentions(warning, path() + ": it is a folder, not a file"));
}

// With neither XDG_CONFIG_HOME nor HOME usable the player is told so once,
// and no file is written anywhere.
TEST_F(QuitPaths, WithoutAFolderThePlayerIsToldOnceAndQuitsWithoutAQuestion) {
  Game game("");
  game.lists.tellLoadProblems();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(mentions(told[0], "The score lists cannot be kept in files."));
  game.lists.record(game::Mode::Standard, "Ann", "87");
  ASSERT_EQ(told.size(), 2u);
  EXPECT_TRUE(mentions(told[1], "It could not be added to a file: there is no preferences folder."));
  EXPECT_EQ(game.rows(), (Rows{{"Ann", "87"}}));
  EXPECT_TRUE(game.lists.save());
  EXPECT_EQ(told.size(), 2u);
}

}  // namespace
