// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The pictures of the help windows, drawn by the game itself.

namespace ui {

constexpr int kExpertBoardPicture = 168;
constexpr int kExpertScoresPicture = 169;    // listscore2
constexpr int kStandardBoardPicture = 170;
constexpr int kStandardScoresPicture = 171;  // listscore3

// Makes the four pictures known to the framework; each is drawn on first use.
void definePictures();

}  // namespace ui
