// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Links opened with the desktop's handler for them.

#include <string>

namespace fw {

// Opens a link (such as "mailto:") with the desktop's handler for it.
void openLink(const std::string& url);

}  // namespace fw
