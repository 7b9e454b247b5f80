// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game/shuffler.h"

#include <algorithm>

namespace game {

namespace {

std::mt19937_64 seededFromSystem() {
  std::random_device device;
  std::seed_seq seed{device(), device(), device(), device()};
  return std::mt19937_64(seed);
}

}  // namespace

RandomShuffler::RandomShuffler() : engine_(seededFromSystem()) {}

RandomShuffler::RandomShuffler(std::uint64_t seed) : engine_(seed) {}

void RandomShuffler::shuffle(std::vector<int>& values) { std::shuffle(values.begin(), values.end(), engine_); }

}  // namespace game
