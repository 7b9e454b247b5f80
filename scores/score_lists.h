// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The two score lists: one per mode, each shown in a list box and kept in a
// file of the preferences folder.

#include "framework/controls.h"
#include "framework/list_box.h"
#include "game/window10_controls.h"
#include "scores/score_store.h"

namespace scores {

constexpr const char* kStandardFile = "Veltrano.prefs";
constexpr const char* kExpertFile = "Veltrano2.prefs";

// Open handler of either list: its "Name" and "Score" headings.
void ListBox_Open(fw::ListBox& list);

class ScoreLists {
public:
  explicit ScoreLists(const game::Window10Controls& controls);

  // Loads both lists from their files; the standard list is the one shown.
  void load();
  // Tells the player, once, of a file that could not be read and is left alone.
  void tellLoadProblems() const;
  // Writes both lists back, whole and in the order shown, keeping what other
  // games did to the files meanwhile. When a file cannot be written and the
  // player is there, they choose: try again, close without saving, or go
  // back to the game (then false is returned). Otherwise the failure goes
  // to standard error.
  bool save();

  // "Score": shows the name entry.
  void PushButton5_Action();
  // "Record": the name and score go to the file of the current mode, then to its list.
  void PushButton6_Action();
  // A click on a row removes it.
  static bool ListBox_CellClick(fw::ListBox& list, int row, int column, int x, int y);

private:
  struct Kept {
    fw::ListBox* list;
    ScoreStore* store;
  };
  Kept kept(bool standard);
  // The files whose save failed, with what the player may read of each.
  std::string saveEach(std::vector<Kept>& failing);

  const game::Window10Controls& c_;
  ScoreStore standard_{kStandardFile};
  ScoreStore expert_{kExpertFile};
};

}  // namespace scores
