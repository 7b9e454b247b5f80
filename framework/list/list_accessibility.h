// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What assistive tools (screen readers) see of a list box: a table of
// headings and cells, numbered as Qt's item views number a table's children,
// whose headings can be pressed to sort.

namespace fw {

// Makes the list boxes' accessibility known to Qt; runs once, on first use.
// Whoever makes list boxes calls it first: the list box itself knows
// nothing of it, so that the two do not depend on each other.
void installListAccessibility();

}  // namespace fw
