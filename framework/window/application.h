// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Application-wide services.

#include <functional>
#include <string>

class QTranslator;

namespace fw {

// Ends the application at the player's request: ends any dialog that is
// open, closes the windows (running their close handlers) and leaves the
// event loop with the status. A window that stays open (its close handler
// kept it, at the player's choice) stops the quit.
void quitApplication(int status = 0);
// Whether a quit is under way.
bool isQuitting();
// Whether the player is there to answer a question: not while the system
// ends the application (a signal, the end of the session).
bool playerCanBeAsked();

// Sends SIGTERM, SIGINT and SIGHUP and the end of the desktop session through
// the same quit, without asking the player anything, so close handlers run
// before the process ends. The session manager's request to save (at a
// checkpoint, or a logout that may yet be cancelled) runs onSaveRequest and
// leaves the application running. An exit that cuts the application off (its
// display gone) runs onSaveRequest too, also in the middle of a quit.
void quitOnTerminationRequests(std::function<void()> onSaveRequest);
// What the session manager's request to save runs.
void handleSaveRequest();

// Qt aborts with a page of advice when it cannot open the display. Between
// these two calls, around making the application object, that is one line
// on standard error and exit status 1 instead; Qt's other messages of that
// time are shown once it has started.
// The line is told in the language of the catalogue, as no application is
// there yet to translate it.
void sayNoDisplayInOneLine(const QTranslator* language = nullptr);
void displayOpened();

// Opens a link (such as "mailto:") with the desktop's handler for it.
void openLink(const std::string& url);

}  // namespace fw
