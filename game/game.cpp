// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game/game.h"

#include <algorithm>

namespace game {

int lineValue(const std::array<int, kSquareCount>& digits, const Line& line, Mode mode) {
  const bool sums = mode == Mode::Standard;
  int value = sums ? 0 : 1;
  for (int square : line.squares) {
    const int digit = digits[static_cast<std::size_t>(square)];
    value = sums ? value + digit : value * digit;
  }
  return value;
}

int Game::targetOf(int line) const { return lineValue(solution, kLines[static_cast<std::size_t>(line)], mode); }

std::optional<int> Game::buyerOf(int square) const {
  for (auto purchase = purchases.rbegin(); purchase != purchases.rend(); ++purchase) {
    if (purchase->square == square) return purchase->button;
  }
  return std::nullopt;
}

bool Game::bought(int button) const {
  return std::any_of(purchases.begin(), purchases.end(), [button](const Purchase& p) { return p.button == button; });
}

const std::string& Game::shown(Cell cell) const {
  const auto index = static_cast<std::size_t>(cell.index);
  return cell.kind == Cell::Kind::Square ? squares[index] : targets[index];
}

void typeInto(Game& game, Cell cell, std::string text) {
  const auto index = static_cast<std::size_t>(cell.index);
  (cell.kind == Cell::Kind::Square ? game.squares[index] : game.targets[index]) = std::move(text);
}

}  // namespace game
