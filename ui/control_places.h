// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the game window's controls other than the board stand, in the
// window's own pixels; the board's places are in board_layout.h.

#include <QRect>

#include <array>

namespace ui {

struct ControlPlaces {
  // The row of buttons under the board and the name entry below it.
  QRect scoreButton, helpButton, quitButton, startButton, doneButton;
  QRect nameCaption, nameField, recordButton;
  // The calculator above the board: three menus, each followed by its sign.
  std::array<QRect, 3> factorMenus, calculatorSigns;
  QRect productLabel;
  // The right column, from the top.
  QRect maximumScoreCaption, maximumScoreLabel, scoreCaption, scoreLabel;
  QRect buyGroup;
  std::array<QRect, 4> buyButtons;
  QRect staticVersionBox;
  QRect modeGroup, standardButton, expertButton;
  QRect scoresHeading, modeLabel, standardList, expertList;
};

inline constexpr ControlPlaces kControlPlaces = {
    .scoreButton = {135, 547, 69, 20},
    .helpButton = {229, 547, 69, 20},
    .quitButton = {319, 547, 69, 20},
    .startButton = {408, 547, 69, 20},
    .doneButton = {501, 547, 69, 20},
    .nameCaption = {104, 590, 100, 20},
    .nameField = {216, 589, 179, 30},
    .recordButton = {417, 590, 69, 20},
    .factorMenus = {{{198, 29, 40, 20}, {268, 29, 40, 20}, {338, 29, 40, 20}}},
    .calculatorSigns = {{{245, 29, 11, 19}, {315, 29, 11, 19}, {385, 29, 11, 19}}},
    .productLabel = {402, 29, 100, 20},
    .maximumScoreCaption = {582, 19, 178, 30},
    .maximumScoreLabel = {765, 22, 69, 20},
    .scoreCaption = {587, 66, 178, 30},
    .scoreLabel = {770, 69, 69, 20},
    .buyGroup = {587, 129, 252, 224},
    .buyButtons = {{{608, 147, 177, 28}, {608, 196, 177, 28}, {608, 250, 177, 28}, {613, 315, 192, 28}}},
    .staticVersionBox = {620, 376, 145, 27},
    .modeGroup = {587, 415, 263, 54},
    .standardButton = {627, 436, 80, 20},
    .expertButton = {750, 436, 80, 20},
    .scoresHeading = {655, 475, 100, 20},
    .modeLabel = {720, 475, 100, 20},
    .standardList = {615, 502, 235, 130},
    .expertList = {620, 507, 235, 130},
};

}  // namespace ui
