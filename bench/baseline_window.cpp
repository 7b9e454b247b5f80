// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The yardsticks for the game's start-up and idle cost: a main window of the
// game window's size, empty or holding as many plain widgets as the game window.
//
//   baseline_window empty|widgets

#include <QApplication>

#include <cstring>

#include "plain_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  showPlainWindow(window, argc > 1 && std::strcmp(argv[1], "widgets") == 0);
  return QApplication::exec();
}
