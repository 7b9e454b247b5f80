// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The two score lists of the game window, one per mode, each kept in its
// file and shown through its model, with what the player is told when a
// file fails. Their long steps run as jobs of their models (see there); the
// window's thread owns the lists and goes on meanwhile.

#include <QCoreApplication>
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
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
  // Runs once both files are read (at once when they are).
  void whenRead(std::function<void()> then);
  // Tells the player, once, of a file that could not be read and is left
  // alone, or that there is no folder to keep the lists in.
  void tellLoadProblems() const;

  // Writes both lists back, whole and in the order shown, keeping what other
  // games did to the files meanwhile, once the steps before have run. When a
  // file cannot be written and the player is there, they choose: try again,
  // close without saving, or go back to the game. done runs with true when
  // the game may close (saved, or the player chose not to), false when the
  // player went back to the game. A save asked for while one runs adds none.
  void save(std::function<void(bool mayClose)> done);
  // The same here and now, with nobody there to ask: the steps that run are
  // waited for (a sort is stopped), a list already saved as it is is not
  // saved again, and a failure goes to standard error. For when the program
  // ends, or the session asks.
  void saveHere();
  // The name and score go to the list of the mode, and to its file; then
  // runs once the file step is done (the player told of a failure).
  void record(game::Mode mode, const std::string& name, const std::string& score, std::function<void()> then = {});
  ScoreListModel& model(game::Mode mode) { return mode == game::Mode::Standard ? standardModel_ : expertModel_; }

private:
  // Saves the lists still to be saved, then asks or says what failed.
  void saveAgain();
  void saved();

  scores::ScoreList standard_;
  scores::ScoreList expert_;
  ScoreListModel standardModel_{standard_};
  ScoreListModel expertModel_{expert_};
  std::array<ScoreListModel*, 2> models_{&standardModel_, &expertModel_};
  std::array<const scores::ScoreList*, 2> lists_{&standard_, &expert_};
  int reading_ = 2;
  std::function<void()> whenRead_;
  // The save under way: what runs once it is done, and what each list's save said.
  std::function<void(bool)> saveDone_;
  int saving_ = 0;
  std::array<scores::ScoreStore::Saved, 2> results_;
  std::array<bool, 2> toSave_{};
  // What the event loop runs for the lists goes with them.
  QObject calls_;
};

}  // namespace ui
