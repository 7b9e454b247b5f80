// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Qt's message when the application finds no display, said in one line.

class QTranslator;

namespace fw {

// Qt aborts with a page of advice when it cannot open the display. Between
// these two calls, around making the application object, that is one line
// on standard error and exit status 1 instead; Qt's other messages of that
// time are shown once it has started.
// The line begins with the program's command and names it; it is told in
// the language of the catalogue, as no application is there yet to
// translate it.
void sayNoDisplayInOneLine(const char* command, const QTranslator* language = nullptr);
void displayOpened();

}  // namespace fw
