// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/message_dialog.h"

#include "framework/qt_conversions.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace fw {

namespace {

MessageDialog::Answerer& answerer() {
  static MessageDialog::Answerer instance;
  return instance;
}

QMessageBox::Icon toQ(MessageDialog::Icon icon) {
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
  box.setIcon(toQ(icon));
  box.setText(toQ(message));
  box.setInformativeText(toQ(explanation));
  QPushButton* action = box.addButton(toQ(actionCaption), QMessageBox::AcceptRole);
  QPushButton* alternate = nullptr;
  if (alternateVisible) alternate = box.addButton(toQ(alternateCaption), QMessageBox::ActionRole);
  if (cancelVisible) box.addButton(toQ(cancelCaption), QMessageBox::RejectRole);
  box.setDefaultButton(action);
  box.exec();
  if (box.clickedButton() == action) return Button::Action;
  if (alternate && box.clickedButton() == alternate) return Button::Alternate;
  return Button::Cancel;
}

}  // namespace fw
