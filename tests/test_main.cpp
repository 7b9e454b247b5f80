// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Runs the unit tests inside an offscreen application, with the preferences
// folder in a fresh temporary directory so no test touches the player's files.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "framework/prefs_files.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir preferences;
  fw::setPreferencesFolder(preferences.path().toStdString());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
