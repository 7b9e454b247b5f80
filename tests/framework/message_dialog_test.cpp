// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The focus shows in a dialog as in the windows: a Return there quits a game.
TEST(MessageDialog, ShowsTheFocusRingOnItsDefaultButton) {
  fw::MessageDialog dialog;
  dialog.actionCaption = "Quit";
  dialog.alternateVisible = true;
  dialog.alternateCaption = "Play Again";
  QString ringAround;
  QTimer::singleShot(0, [&ringAround] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_TRUE(box);
    box->activateWindow();
    QApplication::processEvents();
    QWidget* ring = box->findChild<QWidget*>("focusRing");
    QWidget* focus = box->focusWidget();
    if (ring && ring->isVisible() && focus && ring->geometry().contains(QRect(focus->mapTo(box, QPoint()), focus->size()))) {
      ringAround = static_cast<QPushButton*>(focus)->text();
    }
    box->defaultButton()->click();
  });
  EXPECT_EQ(dialog.showModal(), fw::MessageDialog::Button::Action);
  EXPECT_EQ(ringAround, "Quit");
}

}  // namespace
