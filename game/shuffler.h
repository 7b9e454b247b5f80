// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game's only source of chance: putting a list in a random order.

#include <cstdint>
#include <random>
#include <vector>

namespace game {

class Shuffler {
public:
  virtual ~Shuffler() = default;
  virtual void shuffle(std::vector<int>& values) = 0;
};

// Every order equally likely; seeded from the system unless a seed is given.
class RandomShuffler final : public Shuffler {
public:
  RandomShuffler();
  explicit RandomShuffler(std::uint64_t seed);
  void shuffle(std::vector<int>& values) override;

private:
  std::mt19937_64 engine_;
};

}  // namespace game
