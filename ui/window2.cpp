// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/window2.h"

#include "framework/application.h"
#include "ui/help_texts.h"

Window2::Window2(std::function<void()> showGameWindow) : showGameWindow_(std::move(showGameWindow)) {
  setTitle("About");
  addRoundRectangle("RoundRectangle1", {20, 14, 313, 281}, 0xFFFFFF, 0x000000, 16);
  addTextBlock("StaticText1", {38, 29, 276, 227}, ui::kAboutText, {14, true});
  fw::PushButton& close = addPushButton("PushButton1", {239, 307, 69, 20}, "Close", {12});
  close.setActionHandler([this] { PushButton1_Action(); });
  // Escape does what "Close" does.
  setEscapeHandler([this] { PushButton1_Action(); });
  setContentSize(363, 359);
  setSizeLimits(64, 64, 32000, 32000);
  setModal(true);
  show();
}

void Window2::PushButton1_Action() { hide(); }

void Window2::Event_Close() {
  // While the application quits, a new game window would only be lost again.
  if (!fw::isQuitting()) showGameWindow_();
}
