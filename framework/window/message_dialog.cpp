// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/look/focus_ring.h"

namespace fw {

namespace {

QMessageBox::Icon iconOf(MessageDialog::Icon icon) {
  switch (icon) {
    case MessageDialog::Icon::Caution: return QMessageBox::Warning;
    case MessageDialog::Icon::Note: break;
  }
  return QMessageBox::Information;
}

}  // namespace

MessageDialog::Button MessageDialog::showModal() const {
  QMessageBox box(QApplication::activeWindow());
  box.setIcon(iconOf(icon));
  box.setText(QString::fromStdString(message));
  box.setInformativeText(QString::fromStdString(explanation));
  QPushButton* action = box.addButton(QString::fromStdString(actionCaption), QMessageBox::AcceptRole);
  QPushButton* alternate = nullptr;
  if (alternateVisible) alternate = box.addButton(QString::fromStdString(alternateCaption), QMessageBox::ActionRole);
  if (cancelVisible) box.addButton(QString::fromStdString(cancelCaption), QMessageBox::RejectRole);
  box.setDefaultButton(action);
  // The style leaves the focus to the ring: the dialog has one as the windows have.
  new FocusRing(&box);
  box.exec();
  if (box.clickedButton() == action) return Button::Action;
  if (alternate && box.clickedButton() == alternate) return Button::Alternate;
  return Button::Cancel;
}

}  // namespace fw
