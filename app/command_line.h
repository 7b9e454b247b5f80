// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The command line, read before the game needs a display.

#include <QString>

#include <optional>

// Answers --help and --version, and refuses unknown options and arguments with
// the usage. Returns the exit status when the program ends here; nothing when
// the game should start. Qt's own options (-style, -platform, ...) pass on to it.
// Sets language to the one the game speaks: --language's, or the desktop's.
std::optional<int> handleCommandLine(int argc, char* argv[], QString& language);
