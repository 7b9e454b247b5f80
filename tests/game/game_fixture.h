// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A game window on the offscreen screen, with a shuffle the test controls.

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/shuffle.h"
#include "framework/text.h"
#include "game/board.h"
#include "ui/window10.h"

namespace testing_support {

// Hands out the given orders in turn; with none left, shuffles with a fixed seed.
class ScriptedShuffle final : public fw::Shuffle {
public:
  void shuffle(std::vector<int>& values) override {
    if (script_.empty()) return random_.shuffle(values);
    values = script_.front();
    script_.erase(script_.begin());
  }
  void next(std::vector<int> order) { script_.push_back(std::move(order)); }

private:
  std::vector<std::vector<int>> script_;
  fw::RandomShuffle random_{12345};
};

class GameWindowTest : public testing::Test {
protected:
  void SetUp() override { window = std::make_unique<Window10>(shuffle, folder()); }

  // Where the game keeps its score lists: a fresh folder, so no test touches the player's files.
  std::string folder() const { return preferences.path().toStdString(); }

  std::string cell(int index) const { return window->Puzzle[static_cast<std::size_t>(index)]->text(); }
  void type(int index, const std::string& text) { window->Puzzle[static_cast<std::size_t>(index)]->setText(text); }
  std::string maximum() const { return window->StaticText2->text(); }
  void start() { window->PushButton1->push(); }
  // Selects a mode as the player does, with a click.
  void chooseExpert() { click(window->RadioButton6); }
  void chooseStandard() { click(window->RadioButton5); }
  static void click(fw::Control* control) {
    QTest::mouseClick(control->widget(), Qt::LeftButton, {}, QPoint(6, control->widget()->height() / 2));
  }
  // Starts a game whose solution is the given digits in reading order.
  void startWith(std::vector<int> digits) {
    shuffle.next(std::move(digits));
    start();
  }
  // Types the solution digits into the player cells, all but the given number of them.
  void typeSolutionLeavingOut(int wrong) {
    for (std::size_t k = 0; k < 9; ++k) {
      const std::string right = cell(game::kSolutionCells[k]);
      type(game::kPlayerCells[k], static_cast<int>(k) < wrong ? "x" : right);
    }
  }

  QTemporaryDir preferences;
  ScriptedShuffle shuffle;
  std::unique_ptr<Window10> window;
};

}  // namespace testing_support
