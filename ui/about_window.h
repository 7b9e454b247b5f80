// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The About window.


#include <functional>

#include "framework/window/window.h"

namespace ui {

class AboutWindow final : public fw::Window {
  Q_OBJECT

public:
  // The window is made and shown in front, modal. showGameWindow brings the
  // game window to the front, making one if it was closed.
  explicit AboutWindow(std::function<void()> showGameWindow);

protected:
  void whenClosed() override;

private:
  std::function<void()> showGameWindow_;
};

}  // namespace ui
