// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Quitting the application: at the user's request, at the system's
// termination requests, and the session's request to save.

#include <functional>
#include <string>

namespace fw {

// Ends the application at the user's request: ends any dialog that is
// open, closes the windows (running their close handlers) and leaves the
// event loop with the status. A window that stays open (its close handler
// kept it, at the user's choice) stops the quit.
void quitApplication(int status = 0);
// Whether a quit is under way.
bool isQuitting();
// Whether the user is there to answer a question: not while the system
// ends the application (a signal, the end of the session).
bool userCanBeAsked();

// Sends SIGTERM, SIGINT and SIGHUP and the end of the desktop session through
// the same quit, without asking the user anything, so close handlers run
// before the process ends. The session manager's request to save (at a
// checkpoint, or a logout that may yet be cancelled) runs onSaveRequest and
// leaves the application running. An exit that cuts the application off (its
// display gone) runs onSaveRequest too, also in the middle of a quit.
void quitOnTerminationRequests(std::function<void()> onSaveRequest);
// What the session manager's request to save runs.
void handleSaveRequest();

}  // namespace fw
