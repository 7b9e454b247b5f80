// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/window/focus_ring.h"

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

void MessageDialog::open(std::function<void(Button)> answered) const {
  auto* box = new QMessageBox(QApplication::activeWindow());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setIcon(iconOf(icon));
  box->setText(QString::fromStdString(message));
  box->setInformativeText(QString::fromStdString(explanation));
  QPushButton* action = box->addButton(QString::fromStdString(actionCaption), QMessageBox::AcceptRole);
  QPushButton* alternate = nullptr;
  if (alternateVisible) alternate = box->addButton(QString::fromStdString(alternateCaption), QMessageBox::ActionRole);
  if (cancelVisible) box->addButton(QString::fromStdString(cancelCaption), QMessageBox::RejectRole);
  box->setDefaultButton(action);
  // The style leaves the focus to the ring: the dialog has one as the windows have.
  new FocusRing(box);
  QObject::connect(box, &QDialog::finished, box, [box, action, alternate, answered = std::move(answered)] {
    const QAbstractButton* clicked = box->clickedButton();
    const Button button = clicked && clicked == action                   ? Button::Action
                          : alternate && clicked && clicked == alternate ? Button::Alternate
                                                                          : Button::Cancel;
    if (answered) answered(button);
  });
  box->open();
}

}  // namespace fw
