// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_store.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "framework/prefs_files.h"

namespace {

// A file within the size limit can still hold rows by the hundred million,
// which would take gigabytes to hold: it is left alone like an unreadable one.
TEST(ScoreStore, RefusesAFileOfMoreThanSixteenMillionRows) {
  QTemporaryDir folder;
  const std::string previous = fw::preferencesFolder();
  fw::setPreferencesFolder(folder.path().toStdString());
  std::string rows;
  rows.reserve(3 * (std::size_t{1} << 24) + 3);
  for (std::size_t row = 0; row <= std::size_t{1} << 24; ++row) rows += ",1\n";
  std::ofstream(fw::preferencesFile("Veltrano.prefs"), std::ios::binary) << rows;

  scores::ScoreStore store("Veltrano.prefs");
  EXPECT_EQ(store.load().size(), 0u);
  EXPECT_EQ(store.problem(), "it has more than 16 million lines");
  fw::setPreferencesFolder(previous);
}

}  // namespace
