// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Answers the game's message dialogs as a player does, once they show: the
// test says which button to press, having seen the dialog as it is.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "framework/window/message_dialog.h"

namespace testing_support {

class DialogAnswers {
public:
  struct Shown {
    std::string message;
    std::string explanation;
  };
  using Button = fw::MessageDialog::Button;
  using Answer = std::function<Button(const Shown& shown, QMessageBox& dialog)>;

  // Without an answer, every dialog is answered by its first button.
  explicit DialogAnswers(Answer answer = {}) : answer_(std::move(answer)) {
    // Looks for a new dialog, which shows inside an event loop of its own.
    QObject::connect(&watch_, &QTimer::timeout, [this] { answerOne(); });
    watch_.start(5);
  }
  void answerWith(Answer answer) { answer_ = std::move(answer); }
  // What each dialog said, message and explanation, in the order they showed.
  const std::vector<Shown>& shown() const { return shown_; }
  std::string said(std::size_t dialog) const { return shown_.at(dialog).message + " " + shown_.at(dialog).explanation; }

private:
  void answerOne() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == answered_) return;
    answered_ = box;
    shown_.push_back({box->text().toStdString(), box->informativeText().toStdString()});
    const Button button = answer_ ? answer_(shown_.back(), *box) : Button::Action;
    const QMessageBox::ButtonRole role = button == Button::Action      ? QMessageBox::AcceptRole
                                         : button == Button::Alternate ? QMessageBox::ActionRole
                                                                       : QMessageBox::RejectRole;
    for (QAbstractButton* each : box->buttons()) {
      if (box->buttonRole(each) == role) {
        each->click();
        return;
      }
    }
    box->reject();
  }

  Answer answer_;
  QTimer watch_;
  QPointer<QMessageBox> answered_;
  std::vector<Shown> shown_;
};

}  // namespace testing_support
