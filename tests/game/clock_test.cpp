// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QFileInfo>

#include "framework/message_dialog.h"
#include "game_fixture.h"

namespace {

using Button = fw::MessageDialog::Button;

class ClockTest : public testing_support::GameWindowTest {
protected:
  void SetUp() override {
    GameWindowTest::SetUp();
    fw::MessageDialog::setAnswerer([this](const fw::MessageDialog& dialog) {
      shown.push_back(dialog);
      if (whileOpen) whileOpen();
      return answer;
    });
  }
  void TearDown() override { fw::MessageDialog::setAnswerer(nullptr); }

  void tick(int times = 1) {
    for (int i = 0; i < times; ++i) window->game().Timer1_Action();
  }

  std::vector<fw::MessageDialog> shown;
  Button answer = Button::Cancel;
  std::function<void()> whileOpen;
};

TEST_F(ClockTest, APointATickDownToZeroThenTheGameOverDialog) {
  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
  ASSERT_EQ(maximum(), "100");
  tick();
  EXPECT_EQ(maximum(), "99");
  tick(99);
  EXPECT_EQ(maximum(), "0");
  EXPECT_TRUE(shown.empty());
  tick();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(maximum(), "0");
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Repeating);

  const fw::MessageDialog& d = shown.front();
  EXPECT_EQ(d.icon, fw::MessageDialog::Icon::Note);
  EXPECT_EQ(d.message, "The game is over.");
  EXPECT_EQ(d.explanation, "You can quit or play again. ");
  EXPECT_EQ(d.actionCaption, "Quit");
  EXPECT_FALSE(d.cancelVisible);
  EXPECT_TRUE(d.alternateVisible);
  EXPECT_EQ(d.alternateCaption, "Play Again");
}

TEST_F(ClockTest, ATickAtOneGivesZeroAndBelowZeroShowsTheDialogAtOnce) {
  start();
  window->StaticText2->setText("1");
  tick();
  EXPECT_EQ(maximum(), "0");
  EXPECT_TRUE(shown.empty());
  window->StaticText2->setText("-2");
  tick();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(maximum(), "-2");
}

TEST_F(ClockTest, StaticVersionFreezesTheScoreAndTheDialog) {
  start();
  window->CheckBox1->setValue(true);
  const std::string before = maximum();
  tick(300);
  EXPECT_EQ(maximum(), before);
  window->StaticText2->setText("0");
  tick(5);
  EXPECT_TRUE(shown.empty());
  window->CheckBox1->setValue(false);
  tick();
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ClockTest, PlayAgainIsAPressOfStart) {
  startWith({1, 2, 3, 4, 5, 6, 7, 8, 9});
  type(21, "5");
  click(window->RadioButton1);
  window->StaticText2->setText("0");
  answer = Button::Alternate;
  shuffle.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
  tick();
  EXPECT_EQ(maximum(), "100");
  EXPECT_EQ(cell(1), "2");
  EXPECT_EQ(cell(21), "");
  EXPECT_EQ(window->game().helpstring, "");
  EXPECT_FALSE(window->RadioButton2->enabled());
  EXPECT_TRUE(window->PushButton2->enabled());
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Repeating);
  tick();
  EXPECT_EQ(maximum(), "99");
}

TEST_F(ClockTest, QuitClosesTheGameWindowThroughItsCloseHandler) {
  const std::string scores = folder() + "/Veltrano.prefs";
  start();
  window->StaticText2->setText("0");
  answer = Button::Action;
  tick();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(scores)));  // the close handler saved the lists
}

TEST_F(ClockTest, TicksWhileTheDialogIsOpenShowNoSecondDialog) {
  start();
  window->StaticText2->setText("0");
  whileOpen = [this] { tick(3); };
  tick();
  EXPECT_EQ(shown.size(), 1u);
  whileOpen = nullptr;
  tick();
  EXPECT_EQ(shown.size(), 2u);
}

// The real timer, at a short period, ticks the clock down; Done stops it.
TEST_F(ClockTest, TheRunningTimerLowersTheMaximumUntilDone) {
  window->Timer1->setPeriod(5);
  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
  EXPECT_TRUE(QTest::qWaitFor([this] { return maximum() == "97"; }, 5000)) << "maximum " << maximum();
  window->PushButton2->push();
  const std::string stopped = maximum();
  QTest::qWait(50);
  EXPECT_EQ(maximum(), stopped);
}

TEST_F(ClockTest, ChangingTheModeLeavesTheClockRunning) {
  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
  tick(2);
  chooseExpert();
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Repeating);
  EXPECT_EQ(maximum(), "98");
  tick();
  EXPECT_EQ(maximum(), "97");
}

}  // namespace
