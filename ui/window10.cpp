// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/window10.h"

#include "framework/application.h"

Window10::Window10(fw::Shuffle& shuffle, const std::string& scoresFolder, std::function<void()> helpCommand)
    : helpCommand_(std::move(helpCommand)) {
  setTitle("Veltrano3");
  setContentSize(902, 673);
  setSizeLimits(64, 64, 32000, 32000);
  makeControls();
  game_ = std::make_unique<game::Game>(*this, shuffle);
  scores_ = std::make_unique<ui::ScoreLists>(*ListBox1, *ListBox2, scoresFolder);
  Event_Open();
  show();
  // Told from the event loop, over the game window, rather than before it shows.
  runSoon([this] { scores_->tellLoadProblems(); });
}

Window10::~Window10() = default;

void Window10::Event_Open() {
  game_->resetPurchases();
  scores_->load();
  ListBox2->setVisible(false);
}

bool Window10::Event_CancelClose() { return !saveScores(); }

bool Window10::saveScores() { return scores_->save(); }

void Window10::PushButton3_Action() {
  if (helpCommand_) helpCommand_();
}

void Window10::PushButton4_Action() { fw::quitApplication(0); }

void Window10::PushButton5_Action() {
  StaticText6->setVisible(true);
  EditField1->setVisible(true);
  PushButton6->setVisible(true);
}

void Window10::PushButton6_Action() { scores_->record(RadioButton5->value(), EditField1->text(), StaticText4->text()); }
