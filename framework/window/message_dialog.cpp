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

MessageDialog::Answerer& answerer() {
  static MessageDialog::Answerer instance;
  return instance;
}

QMessageBox::Icon iconOf(MessageDialog::Icon icon) {
  switch (icon) {
    case MessageDialog::Icon::Caution: return QMessageBox::Warning;
    case MessageDialog::Icon::Stop: return QMessageBox::Critical;
    case MessageDialog::Icon::Question: return QMessageBox::Question;
    case MessageDialog::Icon::Note: break;
  }
  return QMessageBox::Information;
}

}  // namespace

void MessageDialog::setAnswerer(Answerer a) { answerer() = std::move(a); }

MessageDialog::Button MessageDialog::showModal() const {
  if (answerer()) return answerer()(*this);

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
