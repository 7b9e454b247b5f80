// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The About window.

#include <functional>

#include "framework/window.h"

class Window2 final : public fw::Window {
public:
  // showGameWindow brings the game window to the front, making one if it was closed.
  explicit Window2(std::function<void()> showGameWindow);
  void PushButton1_Action();  // "Close" hides the window

protected:
  void Event_Close() override;

private:
  std::function<void()> showGameWindow_;
};
