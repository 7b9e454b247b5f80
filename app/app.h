// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The application object: the menus every window shows, the commands that
// are not moves of the game, and the one window of each kind.

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <string>

#include "framework/window/window.h"
#include "game/shuffler.h"
#include "ui/about_window.h"
#include "ui/game_window.h"
#include "ui/help_window.h"

namespace app {

class App {
  Q_DECLARE_TR_FUNCTIONS(App)

public:
  // The score lists are kept in scoresFolder.
  App(game::Shuffler& shuffler, const std::string& scoresFolder);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  ui::GameWindow& gameWindow() { return gameWindow_.get(); }
  // The game window if it exists now, or nullptr.
  ui::GameWindow* existingGameWindow() const { return gameWindow_.existing(); }

  // Shows the game window, made anew if it was closed.
  void showGame();
  // Shows the help window of the mode that is on.
  void showHelp();
  void showAbout();

private:
  void makeMenus();
  // The Edit items can be chosen only when they would do something to the focused field.
  void updateEditItems();

  QMenu fileMenu_;
  QMenu editMenu_;
  fw::SingleWindow<ui::GameWindow> gameWindow_;
  fw::SingleWindow<ui::AboutWindow> aboutWindow_;
  fw::SingleWindow<ui::HelpWindow> standardHelp_;
  fw::SingleWindow<ui::HelpWindow> expertHelp_;
};

}  // namespace app
