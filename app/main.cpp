// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "app/command_line.h"
#include "framework/application.h"
#include "framework/files.h"
#include "game/shuffler.h"

int main(int argc, char* argv[]) {
  if (const auto status = handleCommandLine(argc, argv)) return *status;
  fw::sayNoDisplayInOneLine();
  QApplication application(argc, argv);
  fw::displayOpened();
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  QApplication::setWindowIcon(QIcon(":/veltrano.png"));
  game::RandomShuffler shuffler;
  App app(shuffler, fw::configurationFolder());
  fw::quitOnTerminationRequests([&app] {
    if (ui::GameWindow* game = app.existingGameWindow()) game->saveScores();
  });
  app.gameWindow();
  return QApplication::exec();
}
