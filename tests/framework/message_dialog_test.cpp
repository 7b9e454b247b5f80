// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>
#include <gtest/gtest.h>

namespace {

// The focus shows in a dialog as in the windows: a Return there quits a
// game. The dialog opens and returns; its answer comes from the event loop.
TEST(MessageDialog, ShowsTheFocusRingOnItsDefaultButtonAndAnswersLater) {
  fw::MessageDialog dialog;
  dialog.actionCaption = "Quit";
  dialog.alternateVisible = true;
  dialog.alternateCaption = "Play Again";
  std::optional<fw::MessageDialog::Button> answer;
  dialog.open([&answer](fw::MessageDialog::Button button) { answer = button; });
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  ASSERT_TRUE(box);
  EXPECT_FALSE(answer);
  box->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(box));
  QWidget* ring = box->findChild<QWidget*>("focusRing");
  QWidget* focus = box->focusWidget();
  ASSERT_TRUE(ring && focus);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ring->isVisible(); }));
  EXPECT_TRUE(ring->geometry().contains(QRect(focus->mapTo(box, QPoint()), focus->size())));
  EXPECT_EQ(static_cast<QPushButton*>(focus)->text(), "Quit");
  QTest::keyClick(focus, Qt::Key_Return);
  EXPECT_EQ(answer, fw::MessageDialog::Button::Action);
  // Ended without a button, as a quit ends it: Cancel.
  dialog.open([&answer](fw::MessageDialog::Button button) { answer = button; });
  qobject_cast<QDialog*>(QApplication::activeModalWidget())->done(QDialog::Rejected);
  EXPECT_EQ(answer, fw::MessageDialog::Button::Cancel);
}

}  // namespace
