// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The two score lists of the game window: one per mode, each shown in a list
// box and kept in its file, with what the player is told when a file fails.

#include <QCoreApplication>

#include <future>
#include <string>
#include <vector>

#include "framework/list_box.h"
#include "game/game.h"
#include "scores/score_store.h"

namespace ui {

class ScoreLists {
  Q_DECLARE_TR_FUNCTIONS(ScoreLists)

public:
  // Starts reading the lists' files, which lie in the folder (none when it
  // is empty), while the window is made.
  explicit ScoreLists(const std::string& folder);
  ~ScoreLists();

  // Waits for the files and shows their rows in the list boxes, which hold
  // the lists from then on.
  void show(fw::ListBox& standardList, fw::ListBox& expertList);
  // Tells the player, once, of a file that could not be read and is left
  // alone, or that there is no folder to keep the lists in.
  void tellLoadProblems() const;
  // Writes both lists back, whole and in the order shown, keeping what other
  // games did to the files meanwhile. When a file cannot be written and the
  // player is there, they choose: try again, close without saving, or go
  // back to the game (then false is returned). Otherwise the failure goes
  // to standard error.
  bool save();
  // The name and score go to the file of the mode's list, then to the list.
  void record(game::Mode mode, const std::string& name, const std::string& score);

private:
  struct Kept {
    fw::ListBox* list;
    scores::ScoreStore* store;
  };
  Kept kept(game::Mode mode);
  // The files whose save failed, with what the player may read of each.
  std::string saveEach(std::vector<Kept>& failing);

  fw::ListBox* standardList_ = nullptr;
  fw::ListBox* expertList_ = nullptr;
  scores::ScoreStore standard_;
  scores::ScoreStore expert_;
  // The rows of each file, read on a thread of its own; nothing else
  // touches the stores until they are in.
  std::future<fw::RowTable> readingStandard_;
  std::future<fw::RowTable> readingExpert_;
};

}  // namespace ui
