// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A shuffler the test controls: it hands out the given orders in turn, and
// with none left shuffles with a fixed seed.

#include <deque>
#include <vector>

#include "game/shuffler.h"

namespace testing_support {

class ScriptedShuffler final : public game::Shuffler {
public:
  void shuffle(std::vector<int>& values) override {
    if (script_.empty()) return random_.shuffle(values);
    values = script_.front();
    script_.pop_front();
  }
  // The next order handed out: the digits of a puzzle in reading order, or the squares a purchase tries in turn.
  void next(std::vector<int> order) { script_.push_back(std::move(order)); }

private:
  std::deque<std::vector<int>> script_;
  game::RandomShuffler random_{12345};
};

}  // namespace testing_support
