// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The help windows: Window3 for the standard mode, Window4 for the expert mode.

#include "ui/help_window_base.h"

class Window3 final : public ui::HelpWindow {
public:
  Window3();
  bool StaticText4_MouseDown(int x, int y);  // the support link
  bool StaticText5_MouseDown(int x, int y);  // "CLOSE"
};

class Window4 final : public ui::HelpWindow {
public:
  Window4();
  bool StaticText3_MouseDown(int x, int y);  // the support link
  bool StaticText5_MouseDown(int x, int y);  // "CLOSE"
};
