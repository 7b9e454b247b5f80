// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The pictures of the help windows, drawn by the game itself.

#include <string>

namespace ui {

constexpr int kExpertBoardPicture = 168;
constexpr int kExpertScoresPicture = 169;    // listscore2
constexpr int kStandardBoardPicture = 170;
constexpr int kStandardScoresPicture = 171;  // listscore3

// Makes the four pictures known to the framework; each is drawn on first use,
// at the screen's device pixel ratio, so it stays sharp on a scaled desktop.
void definePictures();

// What a screen reader says for a picture: a short name, and what it shows.
struct PictureWords {
  std::string name;
  std::string description;
};
PictureWords describePicture(int number);

}  // namespace ui
