// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The look the layout was drawn in, the same on every desktop: one widget
// style, a light palette with black text, and the DejaVu Sans fonts the
// layout's texts are measured in, whatever theme or fonts the system has.

#include <QFont>

namespace ui {

// Sets the application's style, palette and font; runs once, on first use.
void useOwnLook();

// The layout's font: DejaVu Sans at the size in pixels. The layout was drawn
// for 72-dpi screens, where a font of N points is N pixels high.
QFont layoutFont(int pixelSize, bool bold = false);

// The font of the windows' menus and controls, in the look set for the
// application on first use: handed to every window as it is made.
QFont windowFont();

}  // namespace ui
