// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The Edit menu's commands, on the text field that has the keyboard focus.

enum class EditCommand { Undo, Cut, Copy, Paste, Clear };

// Whether the command would do anything to the focused field now.
bool editCommandAvailable(EditCommand command);
void performEditCommand(EditCommand command);
