// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_windows.h"

#include "ui/help_texts.h"
#include "ui/help_pictures.h"

Window3::Window3() : HelpWindow("Help", 867, 737) {
  addPicture("Canvas1", {45, 36, 441, 370}, ui::kStandardBoardPicture);
  addParagraphs("StaticText1", {509, 36, 325, 485}, ui::kStandardRules);
  addPicture("Canvas2", {45, 524, 270, 183}, ui::kStandardScoresPicture);
  addParagraphs("StaticText2", {327, 564, 379, 143}, ui::kStandardScoreList);
  addSupportLabel("StaticText3", {546, 535, 59, 20});
  addSupportLink("StaticText4", {617, 533, 217, 25}).setMouseDownHandler([this](int x, int y) {
    return StaticText4_MouseDown(x, y);
  });
  addCloseText("StaticText5", {734, 684, 100, 20}).setMouseDownHandler([this](int x, int y) {
    return StaticText5_MouseDown(x, y);
  });
  open(false);
}

bool Window3::StaticText4_MouseDown(int, int) { return openSupportLink(); }
bool Window3::StaticText5_MouseDown(int, int) { return hideWindow(); }

Window4::Window4() : HelpWindow("Expert Help", 872, 739) {
  addPicture("Canvas1", {20, 14, 538, 516}, ui::kExpertBoardPicture);
  addParagraphs("StaticText1", {570, 14, 298, 575}, ui::kExpertRules);
  addSupportLabel("StaticText2", {288, 569, 59, 20});
  addSupportLink("StaticText3", {359, 567, 199, 26}).setMouseDownHandler([this](int x, int y) {
    return StaticText3_MouseDown(x, y);
  });
  addPicture("Canvas2", {20, 548, 270, 171}, ui::kExpertScoresPicture);
  addParagraphs("StaticText4", {302, 605, 416, 114}, ui::kExpertScoreList);
  addCloseText("StaticText5", {730, 679, 100, 20}).setMouseDownHandler([this](int x, int y) {
    return StaticText5_MouseDown(x, y);
  });
  open(true);
}

bool Window4::StaticText3_MouseDown(int, int) { return openSupportLink(); }
bool Window4::StaticText5_MouseDown(int, int) { return hideWindow(); }
