// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "app/command_line.h"
#include "framework/application.h"
#include "framework/shuffle.h"

namespace {

// Qt aborts with a long message when it finds no screen; say it in one line instead.
bool displayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto status = handleCommandLine(argc, argv)) return *status;
  if (!displayAvailable()) {
    std::fputs("veltrano: no display found; run it on a desktop, or headless with: xvfb-run -a veltrano\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  QApplication::setWindowIcon(QIcon(":/veltrano.png"));
  fw::quitOnTerminationRequests();

  fw::RandomShuffle shuffle;
  App app(shuffle);
  app.window10();
  return QApplication::exec();
}
