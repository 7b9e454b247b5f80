// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The pictures of the help windows, drawn by the game itself.

#include <QPixmap>

#include <string>

namespace ui {

enum class HelpPicture { StandardBoard, StandardScores, ExpertBoard, ExpertScores };

// Drawn at the screen's device pixel ratio, so it stays sharp on a scaled desktop.
QPixmap drawPicture(HelpPicture picture);

// What a screen reader says for a picture: a short name, and what it shows.
struct PictureWords {
  std::string name;
  std::string description;
};
PictureWords describePicture(HelpPicture picture);

}  // namespace ui
