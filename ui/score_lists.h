// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The two score lists of the game window, one per mode, each kept in its
// file and shown through its model, with what the player is told when a
// file fails.

#include <QCoreApplication>

#include <array>
#include <future>
#include <string>

#include "framework/list/list_box.h"
#include "game/game.h"
#include "scores/score_list.h"
#include "ui/score_list_model.h"

namespace ui {

class ScoreLists {
  Q_DECLARE_TR_FUNCTIONS(ScoreLists)

public:
  // Starts reading the lists' files, which lie in the folder (none when it
  // is empty), while the window is made.
  explicit ScoreLists(const std::string& folder);
  ~ScoreLists();

  // Shows each list in its list box: its rows once its file is read.
  void show(fw::ListBox& standardList, fw::ListBox& expertList);
  // Waits for the files, while the window is drawn, and shows their rows.
  void showRowsOnceRead();
  // Tells the player, once, of a file that could not be read and is left
  // alone, or that there is no folder to keep the lists in.
  void tellLoadProblems() const;
  // Writes both lists back, whole and in the order shown, keeping what other
  // games did to the files meanwhile. When a file cannot be written and the
  // player is there, they choose: try again, close without saving, or go
  // back to the game (then false is returned). Otherwise the failure goes
  // to standard error.
  bool save();
  // The name and score go to the list of the mode, and to its file.
  void record(game::Mode mode, const std::string& name, const std::string& score);
  ScoreListModel& model(game::Mode mode) { return mode == game::Mode::Standard ? standardModel_ : expertModel_; }

private:
  struct Kept {
    scores::ScoreList& list;
    ScoreListModel& model;
    std::future<void> reading;  // the file's rows, read on a thread of its own
  };
  // Writes the files of the lists still to be saved, side by side.
  std::array<scores::ScoreStore::Saved, 2> saveFiles(const std::array<bool, 2>& toSave);

  scores::ScoreList standard_;
  scores::ScoreList expert_;
  ScoreListModel standardModel_{standard_};
  ScoreListModel expertModel_{expert_};
  std::array<Kept, 2> kept_;
};

}  // namespace ui
