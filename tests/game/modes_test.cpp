// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game_fixture.h"

namespace {

class ModesTest : public testing_support::GameWindowTest {
protected:
  bool calculatorShown() const {
    const std::vector<fw::Control*> parts = {window->PopupMenu1, window->PopupMenu2, window->PopupMenu3,
                                             window->StaticText7, window->StaticText8, window->StaticText9};
    int shown = 0;
    for (fw::Control* part : parts) shown += part->visible();
    EXPECT_TRUE(shown == 0 || shown == 6) << shown << " of the calculator's parts shown";
    return shown == 6;
  }
  void expectMode(bool expert, const char* label) {
    EXPECT_EQ(calculatorShown(), expert);
    EXPECT_TRUE(window->StaticText10->visible());
    EXPECT_EQ(window->StaticText11->text(), label);
    EXPECT_EQ(window->ListBox1->visible(), !expert);
    EXPECT_EQ(window->ListBox2->visible(), expert);
    EXPECT_EQ(window->PushButton3->caption(), expert ? "ExpHelp" : "HELP");
    EXPECT_EQ(window->RadioButton5->value(), !expert);
    EXPECT_EQ(window->RadioButton6->value(), expert);
  }
  void choose(fw::PopupMenu* menu, int digit) { menu->setListIndex(digit); }
  std::string product() const { return window->StaticText10->text(); }
};

TEST_F(ModesTest, TheWindowOpensInTheStandardMode) {
  expectMode(false, "Standard");
  EXPECT_EQ(product(), "");
}

TEST_F(ModesTest, EachSwitchSetsEveryControlOfItsMode) {
  chooseExpert();
  expectMode(true, "expert");
  chooseStandard();
  expectMode(false, "standard");
  chooseExpert();
  expectMode(true, "expert");
}

TEST_F(ModesTest, ASwitchEmptiesTheBoardAndKeepsTheRestOfTheGame) {
  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
  click(window->RadioButton1);
  type(18, "9");
  window->StaticText4->setText("42");
  const std::string helpstring = window->game().helpstring;
  const std::string maximumBefore = maximum();
  std::vector<fw::Color> colours;
  for (int c : game::kPlayerCells) colours.push_back(window->Puzzle[static_cast<std::size_t>(c)]->backgroundColor());

  chooseExpert();

  for (int c : game::kPlayerCells) EXPECT_EQ(cell(c), "");
  for (const game::Line& line : game::kLines) EXPECT_EQ(cell(line.targetCell), "");
  const std::vector<std::string> solution = {"2", "9", "4", "7", "5", "3", "6", "1", "8"};
  for (std::size_t k = 0; k < 9; ++k) {
    EXPECT_EQ(cell(game::kSolutionCells[k]), solution[k]);
    EXPECT_EQ(window->Puzzle[static_cast<std::size_t>(game::kPlayerCells[k])]->backgroundColor(), colours[k]);
  }
  EXPECT_EQ(maximum(), maximumBefore);
  EXPECT_EQ(window->StaticText4->text(), "42");
  EXPECT_EQ(window->game().helpstring, helpstring);
  EXPECT_EQ(window->game().count1, 1);
  EXPECT_TRUE(window->RadioButton2->enabled());
  EXPECT_TRUE(window->RadioButton1->value());
  EXPECT_TRUE(window->PushButton2->enabled());
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Repeating);
}

TEST_F(ModesTest, SelectingTheModeAlreadyOnLeavesTheGameAlone) {
  start();
  type(17, "4");
  chooseStandard();
  EXPECT_EQ(cell(17), "4");
  EXPECT_FALSE(cell(4).empty());
  EXPECT_EQ(window->StaticText11->text(), "Standard");

  chooseExpert();
  choose(window->PopupMenu1, 2);
  choose(window->PopupMenu2, 3);
  choose(window->PopupMenu3, 4);
  type(17, "4");
  chooseExpert();
  EXPECT_EQ(cell(17), "4");
  EXPECT_EQ(product(), "24");
}

TEST_F(ModesTest, StartUsesTheModeOnWhenItIsPressed) {
  chooseExpert();
  startWith({1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(cell(4), "6");
  chooseStandard();
  EXPECT_EQ(cell(4), "");
  startWith({1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(cell(8), "15");
}

TEST_F(ModesTest, TheCalculatorMultipliesOnceAllThreeFactorsAreChosen) {
  chooseExpert();
  choose(window->PopupMenu3, 9);
  choose(window->PopupMenu1, 7);
  EXPECT_EQ(product(), "");
  choose(window->PopupMenu2, 8);
  EXPECT_EQ(product(), "504");
  for (auto [a, b, c, expected] : std::vector<std::tuple<int, int, int, const char*>>{
           {1, 1, 1, "1"}, {9, 9, 9, "729"}, {2, 3, 4, "24"}}) {
    choose(window->PopupMenu1, a);
    choose(window->PopupMenu2, b);
    choose(window->PopupMenu3, c);
    EXPECT_EQ(product(), expected);
  }
  for (fw::PopupMenu* menu : {window->PopupMenu1, window->PopupMenu2, window->PopupMenu3}) {
    const int before = menu->listIndex();
    choose(menu, 0);
    EXPECT_EQ(product(), "24") << menu->name();
    choose(menu, before);
  }
  choose(window->PopupMenu2, 5);
  EXPECT_EQ(product(), "40");
}

TEST_F(ModesTest, TheCalculatorKeepsItsChoicesAcrossModesWithAnEmptyResult) {
  chooseExpert();
  choose(window->PopupMenu1, 7);
  choose(window->PopupMenu2, 8);
  choose(window->PopupMenu3, 9);
  chooseStandard();
  EXPECT_EQ(product(), "");
  chooseExpert();
  EXPECT_EQ(product(), "");
  EXPECT_EQ(window->PopupMenu1->text(), "7");
  EXPECT_EQ(window->PopupMenu2->text(), "8");
  EXPECT_EQ(window->PopupMenu3->text(), "9");
  choose(window->PopupMenu1, 1);
  EXPECT_EQ(product(), "72");
}

}  // namespace
