// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/shuffle.h"

#include <algorithm>

namespace fw {

namespace {

std::mt19937_64 seededFromSystem() {
  std::random_device device;
  std::seed_seq seed{device(), device(), device(), device()};
  return std::mt19937_64(seed);
}

}  // namespace

RandomShuffle::RandomShuffle() : engine_(seededFromSystem()) {}

RandomShuffle::RandomShuffle(std::uint64_t seed) : engine_(seed) {}

void RandomShuffle::shuffle(std::vector<int>& values) {
  std::shuffle(values.begin(), values.end(), engine_);
}

}  // namespace fw
