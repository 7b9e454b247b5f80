// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <string>

#include <unistd.h>

#include "app/app.h"
#include "app/command_line.h"
#include "app/language.h"
#include "files/folder.h"
#include "framework/window/application.h"
#include "framework/window/no_display.h"
#include "game/shuffler.h"

int main(int argc, char* argv[]) {
  QString language;
  if (const auto status = handleCommandLine(argc, argv, language)) return *status;
  // A game run as root in a player's HOME (sudo keeps it) has no session bus
  // of its own there, and the bus library would start one, leaving a ~/.dbus
  // of root's in the player's HOME: it looks for none.
  const char* home = std::getenv("HOME");
  const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (::geteuid() == 0 && home && fw::rightsInFolder(home).user != 0 && (!bus || !*bus)) {
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  }
  Language catalogues(language);
  fw::sayNoDisplayInOneLine("veltrano", catalogues.gameCatalogue());
  QApplication application(argc, argv);
  fw::displayOpened();
  catalogues.install();
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  QApplication::setWindowIcon(QIcon(":/veltrano.png"));
  game::RandomShuffler shuffler;
  app::App app(shuffler, fw::configurationFolder());
  fw::quitOnTerminationRequests([&app] {
    if (ui::GameWindow* game = app.existingGameWindow()) game->saveScores();
  });
  app.showGame();
  return QApplication::exec();
}
