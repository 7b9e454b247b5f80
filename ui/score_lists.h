// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The two score lists of the game window: one per mode, each shown in a list
// box and kept in its file, with what the player is told when a file fails.

#include <string>
#include <vector>

#include "framework/list_box.h"
#include "game/game.h"
#include "scores/score_store.h"

namespace ui {

class ScoreLists {
public:
  // The lists' files lie in the folder (none when it is empty).
  ScoreLists(fw::ListBox& standardList, fw::ListBox& expertList, const std::string& folder);

  // Loads both lists from their files.
  void load();
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

  fw::ListBox& standardList_;
  fw::ListBox& expertList_;
  scores::ScoreStore standard_;
  scores::ScoreStore expert_;
};

}  // namespace ui
