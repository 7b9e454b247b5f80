// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Links opened with the desktop's handler for them.

#include <string>

namespace fw {

// Opens a link (such as "mailto:") with the desktop's handler for it.
// Opens a link (such as "mailto:") with the desktop's handler for it; false,
// opening nothing, where the program runs as root in another user's HOME,
// as the handler would write there as root: then the caller names the address.
bool openLink(const std::string& url);

}  // namespace fw
