// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/about_window.h"

#include <QPushButton>

#include "framework/window/application.h"
#include "ui/look.h"
#include "framework/window/widgets.h"
#include "ui/help_texts.h"

namespace ui {

AboutWindow::AboutWindow(std::function<void()> showGameWindow)
    : fw::Window(windowFont()), showGameWindow_(std::move(showGameWindow)) {
  //: The title of the window about the game, its name and version.
  setWindowTitle(tr("About"));
  auto* panel = new fw::RoundedPanel(content(), Qt::white, Qt::black, 16);
  panel->setObjectName("panel");
  panel->setGeometry(20, 14, 313, 281);
  auto* text = new fw::ReadableText(aboutText(), content());
  fw::place(text, "aboutText", {38, 29, 276, 227}, layoutFont(14, true));
  text->setAccessibleName(tr("About"));
  fw::markAsDialog(this, aboutText());
  //: A button, 69 px wide at 12 px: closes the window.
  auto* close = new QPushButton(tr("Close"), content());
  fw::place(close, "closeButton", {239, 307, 69, 20}, layoutFont(12));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  // Escape does what "Close" does.
  setEscapeHandler([this] { hide(); });
  setContentSize(363, 359);
  setWindowModality(Qt::ApplicationModal);
  setFocusOnShow(close);
}

void AboutWindow::whenClosed() {
  // While the application quits, a new game window would only be lost again.
  if (!fw::isQuitting()) showGameWindow_();
}

}  // namespace ui
