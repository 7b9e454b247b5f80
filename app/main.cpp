// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "app/command_line.h"
#include "framework/application.h"
#include "framework/files.h"
#include "framework/shuffle.h"

int main(int argc, char* argv[]) {
  if (const auto status = handleCommandLine(argc, argv)) return *status;
  fw::sayNoDisplayInOneLine();
  QApplication application(argc, argv);
  fw::displayOpened();
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  QApplication::setWindowIcon(QIcon(":/veltrano.png"));
  fw::RandomShuffle shuffle;
  App app(shuffle, fw::configurationFolder());
  fw::quitOnTerminationRequests([&app] {
    if (Window10* game = app.existingWindow10()) game->saveScores();
  });
  app.window10();
  return QApplication::exec();
}
