// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game window's controls, made in this order, which is also the order
// in which the keyboard focus moves through them.

#include <QWidget>

#include "game/board.h"
#include "ui/board_geometry.h"
#include "ui/window10.h"

namespace {

constexpr fw::Font kPlain{12};
constexpr fw::Font kCellFont{18, true};
constexpr fw::Font kLabelFont{14};
constexpr fw::Font kScoreFont{14, true};
constexpr fw::Font kListFont{10};
constexpr const char* kDigitItems = "#\r1\r2\r3\r4\r5\r6\r7\r8\r9";

}  // namespace

void Window10::makeBoard() {
  std::array<int, game::kCellCount> order{};
  std::size_t next = 0;
  for (int cell = game::kFirstPlayerCell; cell <= game::kLastPlayerCell; ++cell) order[next++] = cell;
  for (int cell = 0; cell < game::kFirstPlayerCell; ++cell) order[next++] = cell;

  for (int cell : order) {
    const ui::CellPlace at = ui::kCellPlaces[static_cast<std::size_t>(cell)];
    const fw::Rect place{at.left, at.top, ui::kCellWidth, ui::kCellHeight};
    const bool solution = game::roleOf(cell) == game::CellRole::Solution;
    fw::EditField& field =
        solution ? addSecretField("Puzzle", cell, place, kCellFont) : addEditField("Puzzle", cell, place, kCellFont);
    if (!solution) {
      field.setSpokenName(game::describeCell(cell));
      field.setArrowHandler([this, cell](fw::Arrow arrow) { return moveFocusFromCell(cell, arrow); });
    }
    field.setMouseDownHandler([this](int x, int y) { return game_->Puzzle_MouseDown(x, y); });
    Puzzle[static_cast<std::size_t>(cell)] = &field;
  }
}

bool Window10::moveFocusFromCell(int cell, fw::Arrow arrow) {
  const int next = game::neighbourCell(cell, arrow);
  if (next < 0) return false;
  Puzzle[static_cast<std::size_t>(next)]->setFocus();
  return true;
}

void Window10::makeConnectors() {
  for (std::size_t i = 0; i < ui::kDiagonalRules.size(); ++i) {
    const ui::Segment& r = ui::kDiagonalRules[i];
    addLine("Line" + std::to_string(i + 1), r.x1, r.y1, r.x2, r.y2);
  }
  for (std::size_t i = 0; i < ui::kStraightRules.size(); ++i) {
    const ui::Box& r = ui::kStraightRules[i];
    addSeparator("Separator" + std::to_string(i + 1), {r.left, r.top, r.width, r.height});
  }
}

fw::ListBox& Window10::makeScoreList(const std::string& name, fw::Rect place, const std::string& spokenName) {
  fw::ListBox& list = addListBox(name, place, 2, kListFont);
  list.setColumnWidths({66, 34});
  list.setSpokenName(spokenName);
  list.setHeadings("Name\tScore");
  // A click on a row removes it.
  list.setCellClickHandler([&list](int row, int, int, int) {
    list.removeRow(row);
    return false;
  });
  return list;
}

void Window10::makeControls() {
  makeBoard();

  PushButton1 = &addPushButton("PushButton1", {408, 547, 69, 20}, "Start", kPlain);
  PushButton1->setActionHandler([this] { game_->PushButton1_Action(); });
  setDefaultButton(*PushButton1);

  makeConnectors();

  PushButton2 = &addPushButton("PushButton2", {501, 547, 69, 20}, "Done", kPlain);
  PushButton2->setEnabled(false);
  PushButton2->setActionHandler([this] {
    // Done disables itself; Qt would hand its focus on to a buy button, where
    // the next Space would buy a digit in a finished game.
    if (PushButton2->hasFocus()) PushButton5->setFocus();
    game_->PushButton2_Action();
  });
  StaticText1 = &addStaticText("StaticText1", {582, 19, 178, 30}, "Maximum Possible Score:", kLabelFont);
  StaticText2 = &addStaticText("StaticText2", {765, 22, 69, 20}, "100", kScoreFont);
  StaticText2->speakWithLabel("Maximum Possible Score");
  Timer1 = &addTimer("Timer1", 12000);
  Timer1->setActionHandler([this] { game_->Timer1_Action(); });
  StaticText3 = &addStaticText("StaticText3", {587, 66, 178, 30}, "Your Score:", kLabelFont);
  StaticText4 = &addStaticText("StaticText4", {770, 69, 69, 20}, "", kScoreFont);
  StaticText4->speakWithLabel("Your Score");

  RadioButton1 = &addRadioButton("RadioButton1", {608, 147, 177, 28}, "1 minute (5 points)", kPlain);
  RadioButton1->setActionHandler([this] { game_->RadioButton1_Action(); });
  RadioButton2 = &addRadioButton("RadioButton2", {608, 196, 177, 28}, "3 minutes (15 points)", {12, false, true});
  RadioButton2->setEnabled(false);
  RadioButton2->setActionHandler([this] { game_->RadioButton2_Action(); });
  RadioButton3 = &addRadioButton("RadioButton3", {608, 250, 177, 28}, "3 minutes (15 points)", kPlain);
  RadioButton3->setEnabled(false);
  RadioButton3->setActionHandler([this] { game_->RadioButton3_Action(); });
  RadioButton4 = &addRadioButton("RadioButton4", {613, 315, 192, 28}, "3 minutes (15 points)", kPlain);
  RadioButton4->setEnabled(false);
  RadioButton4->setActionHandler([this] { game_->RadioButton4_Action(); });
  groupRadioButtons({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
  addGroupBox("GroupBox1", {587, 129, 252, 224}, "Buy a number. Cost:", kPlain);

  PushButton3 = &addPushButton("PushButton3", {229, 547, 69, 20}, "HELP", kPlain);
  PushButton3->setActionHandler([this] { PushButton3_Action(); });
  PushButton4 = &addPushButton("PushButton4", {319, 547, 69, 20}, "Quit", kPlain);
  PushButton4->setActionHandler([this] { PushButton4_Action(); });

  ListBox1 = &makeScoreList("ListBox1", {615, 502, 235, 130}, "Standard scores");
  StaticText5 = &addStaticText("StaticText5", {655, 475, 100, 20}, "Scores", kPlain);

  PushButton5 = &addPushButton("PushButton5", {135, 547, 69, 20}, "Score", kPlain);
  PushButton5->setActionHandler([this] { PushButton5_Action(); });
  StaticText6 = &addStaticText("StaticText6", {104, 590, 100, 20}, "Name", kPlain, fw::Align::Right);
  StaticText6->setVisible(false);
  EditField1 = &addEditField("EditField1", -1, {216, 589, 179, 30}, kPlain);
  EditField1->setVisible(false);
  // A comma or a line break in a name would split its line in the score file.
  EditField1->refuseCharacters(",\r\n");
  StaticText6->labelControl(*EditField1);
  PushButton6 = &addPushButton("PushButton6", {417, 590, 69, 20}, "Record", kPlain);
  PushButton6->setVisible(false);
  PushButton6->setActionHandler([this] { PushButton6_Action(); });
  // Return after typing a name records it, rather than starting a new game
  // that would empty the score about to be recorded.
  setReturnButton(*EditField1, *PushButton6);

  RadioButton5 = &addRadioButton("RadioButton5", {627, 436, 80, 20}, "standard", kPlain);
  RadioButton5->setValue(true);
  // Choosing the mode already on must not wipe a game in progress.
  RadioButton5->setChangeHandler([this] { game_->RadioButton5_Action(); });
  RadioButton6 = &addRadioButton("RadioButton6", {750, 436, 80, 20}, "expert", kPlain);
  RadioButton6->setChangeHandler([this] { game_->RadioButton6_Action(); });
  groupRadioButtons({RadioButton5, RadioButton6});
  addGroupBox("GroupBox2", {587, 415, 263, 54}, "Choices", kPlain);

  PopupMenu1 = &addPopupMenu("PopupMenu1", {198, 29, 40, 20}, kDigitItems, kPlain);
  PopupMenu1->setVisible(false);
  PopupMenu1->setSpokenName("first factor");
  PopupMenu1->setChangeHandler([this] { game_->PopupMenu1_Change(); });
  StaticText7 = &addStaticText("StaticText7", {245, 29, 11, 19}, "X", kPlain, fw::Align::Center);
  StaticText7->setVisible(false);
  PopupMenu2 = &addPopupMenu("PopupMenu2", {268, 29, 40, 20}, kDigitItems, kPlain);
  PopupMenu2->setVisible(false);
  PopupMenu2->setSpokenName("second factor");
  PopupMenu2->setChangeHandler([this] { game_->PopupMenu2_Change(); });
  StaticText8 = &addStaticText("StaticText8", {315, 29, 11, 19}, "X", kPlain, fw::Align::Center);
  StaticText8->setVisible(false);
  PopupMenu3 = &addPopupMenu("PopupMenu3", {338, 29, 40, 20}, kDigitItems, kPlain);
  PopupMenu3->setVisible(false);
  PopupMenu3->setSpokenName("third factor");
  PopupMenu3->setChangeHandler([this] { game_->PopupMenu3_Change(); });
  StaticText9 = &addStaticText("StaticText9", {385, 29, 11, 19}, "=", {12, true}, fw::Align::Center);
  StaticText9->setVisible(false);
  StaticText10 = &addStaticText("StaticText10", {402, 29, 100, 20}, "", kPlain);
  StaticText10->speakWithLabel("product");
  StaticText11 = &addStaticText("StaticText11", {720, 475, 100, 20}, "Standard", kPlain);

  ListBox2 = &makeScoreList("ListBox2", {620, 507, 235, 130}, "Expert scores");
  CheckBox1 = &addCheckBox("CheckBox1", {620, 376, 145, 27}, "Static Version", {12, true});
}
