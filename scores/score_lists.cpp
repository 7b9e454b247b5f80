// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_lists.h"

#include <cstdio>
#include <string>
#include <utility>

#include "framework/prefs_files.h"
#include "scores/score_file.h"

namespace scores {

namespace {

void loadList(fw::ListBox& list, const std::string& path) {
  // A missing or unreadable file is an empty list, without a message.
  if (const std::optional<std::string> bytes = fw::readFile(path)) list.addRows(parseScoreFile(*bytes));
}

void warnUnsaved(const char* fileName) {
  std::fprintf(stderr, "veltrano: could not save the scores to %s; the old file is kept\n",
               fw::preferencesFile(fileName).c_str());
}

}  // namespace

void ListBox_Open(fw::ListBox& list) { list.setHeadings("Name\tScore"); }

ScoreLists::ScoreLists(const ScoreControls& controls) : c_(controls) {}

void ScoreLists::load() {
  const std::string standardPath = fw::preferencesFile(kStandardFile);
  const std::string expertPath = fw::preferencesFile(kExpertFile);
  loadList(*c_.ListBox1, standardPath);
  loadList(*c_.ListBox2, expertPath);
  c_.ListBox2->setVisible(false);
}

void ScoreLists::save() {
  for (const auto& [list, fileName] : {std::pair{c_.ListBox1, kStandardFile}, std::pair{c_.ListBox2, kExpertFile}}) {
    if (!fw::replaceFile(fw::preferencesFile(fileName), formatScoreFile(list->rows()))) warnUnsaved(fileName);
  }
}

void ScoreLists::PushButton5_Action() {
  c_.StaticText6->setVisible(true);
  c_.EditField1->setVisible(true);
  c_.PushButton6->setVisible(true);
}

void ScoreLists::PushButton6_Action() {
  const std::string name = c_.EditField1->text();
  const std::string score = c_.StaticText4->text();
  const bool standard = c_.RadioButton5->value();
  fw::ListBox& list = standard ? *c_.ListBox1 : *c_.ListBox2;
  const char* fileName = standard ? kStandardFile : kExpertFile;

  if (!fw::appendLine(fw::preferencesFile(fileName), name + "," + score)) {
    std::fprintf(stderr, "veltrano: could not add the score to %s; it is kept in the list until the game closes\n",
                 fw::preferencesFile(fileName).c_str());
  }
  list.addRow(name);
  list.setCell(list.lastIndex(), 1, score);
}

bool ScoreLists::ListBox_CellClick(fw::ListBox& list, int row, int, int, int) {
  list.removeRow(row);
  return false;
}

}  // namespace scores
