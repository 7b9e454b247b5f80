// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The application object: the menu bar, the commands that are not game
// logic, and the one window of each class.

#include "framework/menus.h"
#include "framework/shuffle.h"
#include "framework/window.h"
#include "ui/help_windows.h"
#include "ui/window10.h"
#include "ui/window2.h"

class App {
public:
  // The score lists are kept in scoresFolder.
  App(fw::Shuffle& shuffle, const std::string& scoresFolder);
  ~App();

  fw::MenuBar& MenuBar1() { return menuBar_; }
  Window10& window10() { return window10_.get(); }
  Window2& window2() { return window2_.get(); }
  Window3& window3() { return window3_.get(); }
  Window4& window4() { return window4_.get(); }
  // The windows that exist now, or nullptr.
  Window10* existingWindow10() const { return window10_.existing(); }
  Window3* existingWindow3() const { return window3_.existing(); }
  Window4* existingWindow4() const { return window4_.existing(); }

  void Event_EnableMenuItems();
  bool _Helpveltrano_Action();
  bool _appleabout_Action();
  // Shows the help window of the mode that is on.
  void help();

private:
  void buildMenuBar();

  fw::MenuBar menuBar_;
  fw::SingleWindow<Window10> window10_;
  fw::SingleWindow<Window2> window2_;
  fw::SingleWindow<Window3> window3_;
  fw::SingleWindow<Window4> window4_;
};
