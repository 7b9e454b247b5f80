#pragma once
// A game window on the offscreen screen, with a shuffle the test controls.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/shuffle.h"
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
  void SetUp() override { window = std::make_unique<Window10>(shuffle); }

  std::string cell(int index) const { return window->Puzzle[static_cast<std::size_t>(index)]->text(); }
  void type(int index, const std::string& text) { window->Puzzle[static_cast<std::size_t>(index)]->setText(text); }
  std::string maximum() const { return window->StaticText2->text(); }
  void start() { window->PushButton1->push(); }
  void chooseExpert() { window->RadioButton6->setValue(true); }

  ScriptedShuffle shuffle;
  std::unique_ptr<Window10> window;
};

}  // namespace testing_support
