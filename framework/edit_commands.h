// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The Edit menu's commands, on the edit field that has the keyboard focus.

namespace fw {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear };

// Whether the command would do anything on the focused edit field now.
bool editCommandAvailable(EditCommand command);
void performEditCommand(EditCommand command);

}  // namespace fw
