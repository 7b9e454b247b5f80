// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_window_base.h"

#include "framework/application.h"
#include "ui/help_texts.h"
#include "ui/help_pictures.h"

namespace ui {

namespace {

constexpr fw::Color kBlue = 0x0000FF;

}  // namespace

HelpWindow::HelpWindow(const std::string& title, int width, int height) : width_(width), height_(height) {
  setTitle(title);
  // Escape does what "CLOSE" does.
  setEscapeHandler([this] { hideWindow(); });
}

void HelpWindow::open(bool resizable) {
  setContentSize(width_, height_);
  setSizeLimits(64, 64, 32000, 32000);
  setResizable(resizable);
  setModal(true);
  // The focus starts on "CLOSE", so a Return does not open a new e-mail.
  if (close_) close_->setFocus();
  show();
}

bool HelpWindow::openSupportLink() {
  fw::openLink(kSupportLink);
  return false;
}

bool HelpWindow::hideWindow() {
  hide();
  return false;
}

fw::Canvas& HelpWindow::addPicture(const std::string& name, fw::Rect place, int pictureNumber) {
  fw::Canvas& canvas = addCanvas(name, place);
  canvas.setBackdrop(pictureNumber);
  const PictureWords words = describePicture(pictureNumber);
  canvas.setSpokenName(words.name);
  canvas.setSpokenDescription(words.description);
  return canvas;
}

fw::StaticText& HelpWindow::addParagraphs(const std::string& name, fw::Rect place, const char* text) {
  return addTextBlock(name, place, text, {12});
}

fw::StaticText& HelpWindow::addSupportLabel(const std::string& name, fw::Rect place) {
  return addStaticText(name, place, "Support:", {12}, fw::Align::Right);
}

fw::StaticText& HelpWindow::addSupportLink(const std::string& name, fw::Rect place) {
  fw::StaticText& link = addPressableText(name, place, kSupportLink, {10, false, false, true}, PressRole::Link);
  link.setTextColor(kBlue);
  return link;
}

fw::StaticText& HelpWindow::addCloseText(const std::string& name, fw::Rect place) {
  fw::StaticText& close = addPressableText(name, place, "CLOSE", {14, true}, PressRole::Button);
  close.setTextColor(kBlue);
  close_ = &close;
  return close;
}

}  // namespace ui
