// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/window10.h"

#include "framework/application.h"

Window10::Window10(fw::Shuffle& shuffle, std::function<void()> helpCommand) : helpCommand_(std::move(helpCommand)) {
  setTitle("Veltrano3");
  setContentSize(902, 673);
  setSizeLimits(64, 64, 32000, 32000);
  makeControls();
  game_ = std::make_unique<game::Game>(gameControls(), shuffle);
  scores_ = std::make_unique<scores::ScoreLists>(scoreControls());
  Event_Open();
  show();
  // Told from the event loop, over the game window, rather than before it shows.
  runSoon([this] { scores_->tellLoadProblems(); });
}

Window10::~Window10() = default;

game::GameControls Window10::gameControls() const {
  game::GameControls controls;
  controls.Puzzle = Puzzle;
  controls.PushButton1 = PushButton1;
  controls.PushButton2 = PushButton2;
  controls.PushButton3 = PushButton3;
  controls.StaticText2 = StaticText2;
  controls.StaticText4 = StaticText4;
  controls.Timer1 = Timer1;
  controls.CheckBox1 = CheckBox1;
  controls.buyButtons = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
  controls.RadioButton5 = RadioButton5;
  controls.factors = {PopupMenu1, PopupMenu2, PopupMenu3};
  controls.signs = {StaticText7, StaticText8, StaticText9};
  controls.StaticText10 = StaticText10;
  controls.StaticText11 = StaticText11;
  controls.ListBox1 = ListBox1;
  controls.ListBox2 = ListBox2;
  return controls;
}

scores::ScoreControls Window10::scoreControls() const {
  scores::ScoreControls controls;
  controls.ListBox1 = ListBox1;
  controls.ListBox2 = ListBox2;
  controls.RadioButton5 = RadioButton5;
  controls.StaticText4 = StaticText4;
  controls.StaticText6 = StaticText6;
  controls.EditField1 = EditField1;
  controls.PushButton6 = PushButton6;
  return controls;
}

void Window10::Event_Open() {
  game_->resetPurchases();
  scores_->load();
}

bool Window10::Event_CancelClose() { return !saveScores(); }

bool Window10::saveScores() { return scores_->save(); }

void Window10::PushButton3_Action() {
  if (helpCommand_) helpCommand_();
}

void Window10::PushButton4_Action() { fw::quitApplication(0); }
