// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/edit_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

QLineEdit* focusedField() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

bool editCommandAvailable(EditCommand command) {
  const QLineEdit* field = focusedField();
  if (!field || !field->isEnabled()) return false;
  switch (command) {
    case EditCommand::Undo: return field->isUndoAvailable();
    case EditCommand::Copy: return field->hasSelectedText();
    case EditCommand::Cut:
    case EditCommand::Clear: return field->hasSelectedText() && !field->isReadOnly();
    case EditCommand::Paste: return !field->isReadOnly() && !QApplication::clipboard()->text().isEmpty();
  }
  return false;
}

void performEditCommand(EditCommand command) {
  QLineEdit* field = focusedField();
  if (!field || !editCommandAvailable(command)) return;
  switch (command) {
    case EditCommand::Undo: field->undo(); break;
    case EditCommand::Cut: field->cut(); break;
    case EditCommand::Copy: field->copy(); break;
    case EditCommand::Paste: field->paste(); break;
    case EditCommand::Clear: field->del(); break;
  }
}

