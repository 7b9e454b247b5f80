// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The message dialog: a message, an explanation and up to three buttons. It
// opens and returns at once; the answer comes later, from the event loop, so
// that no question runs an event loop of its own inside whatever asked it.

#include <QCoreApplication>

#include <functional>
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

  // Shows the dialog over the active window, which it keeps from input until
  // it is answered; answered runs with the button pressed. A dialog ended
  // without a button (closed, or ended by a quit) answers Cancel.
  void open(std::function<void(Button)> answered = {}) const;
};

}  // namespace fw
