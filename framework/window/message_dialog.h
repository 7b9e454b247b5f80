// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The modal message dialog: a message, an explanation and up to three buttons.

#include <QCoreApplication>

#include <string>

namespace fw {

class MessageDialog {
public:
  enum class Button { Action, Cancel, Alternate };
  enum class Icon { Note, Caution };

  Icon icon = Icon::Note;
  std::string message;
  std::string explanation;
  std::string actionCaption = QCoreApplication::translate("fw::MessageDialog", "OK").toStdString();
  std::string cancelCaption = QCoreApplication::translate("fw::MessageDialog", "Cancel").toStdString();
  std::string alternateCaption;
  bool cancelVisible = true;
  bool alternateVisible = false;

  // Shows the dialog modally and returns the button pressed.
  Button showModal() const;
};

}  // namespace fw
