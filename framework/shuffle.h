// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game's only source of randomness: shuffling an integer array in place.

#include <cstdint>
#include <random>
#include <vector>

namespace fw {

class Shuffle {
public:
  virtual ~Shuffle() = default;
  virtual void shuffle(std::vector<int>& values) = 0;
};

// Uniform over all orders; seeded from the system unless a seed is given.
class RandomShuffle final : public Shuffle {
public:
  RandomShuffle();
  explicit RandomShuffle(std::uint64_t seed);
  void shuffle(std::vector<int>& values) override;

private:
  std::mt19937_64 engine_;
};

}  // namespace fw
