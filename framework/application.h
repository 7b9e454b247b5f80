// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Application-wide services.

#include <string>

namespace fw {

// Ends the application: closes its windows (running their close handlers)
// and leaves the event loop with the status.
void quitApplication(int status = 0);
// Whether quitApplication is under way.
bool isQuitting();

// Sends SIGTERM, SIGINT and SIGHUP, and the session manager's request at
// logout, through quitApplication, so close handlers run before the process ends.
void quitOnTerminationRequests();

// Opens a link (such as "mailto:") with the desktop's handler for it.
void openLink(const std::string& url);

}  // namespace fw
