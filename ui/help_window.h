// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The help of a mode: its pictures and texts, a support link and a "CLOSE"
// that hides the window.


#include "framework/window/window.h"
#include "game/game.h"

namespace ui {

class HelpWindow final : public fw::Window {
  Q_OBJECT

public:
  // The window is made and shown in front, modal, with the focus on "CLOSE".
  explicit HelpWindow(game::Mode mode);
};

}  // namespace ui
