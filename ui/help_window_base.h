// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the two help windows share: pictures, wrapped texts, a support link
// and a "CLOSE" text that hides the window.

#include <string>

#include "framework/window.h"

namespace ui {

class HelpWindow : public fw::Window {
protected:
  HelpWindow(const std::string& title, int width, int height);
  // Shows the window; made after its controls, as a modal window that stays in front.
  void open(bool resizable);

  // Opens a new e-mail to the support address.
  static bool openSupportLink();
  bool hideWindow();

  fw::Canvas& addPicture(const std::string& name, fw::Rect place, int pictureNumber);
  fw::StaticText& addParagraphs(const std::string& name, fw::Rect place, const char* text);
  fw::StaticText& addSupportLabel(const std::string& name, fw::Rect place);
  fw::StaticText& addSupportLink(const std::string& name, fw::Rect place);
  fw::StaticText& addCloseText(const std::string& name, fw::Rect place);

private:
  int width_;
  int height_;
  fw::StaticText* close_ = nullptr;
};

}  // namespace ui
