// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a list box tells assistive tools as it changes: events about its
// cells and headings, numbered as its accessibility numbers its children.

#include <QAbstractItemView>
#include <QAccessible>

namespace fw {

// A cell's place among its list's children: the heading row first, then the
// rows, each after a hidden row heading.
int listChildIndex(int row, int column, int columns);
// Tells assistive tools of something that happened to a cell.
void tellAssistiveTools(QAbstractItemView* list, const QModelIndex& index, QAccessible::Event what);
// A row added at the bottom of a list: its cells are new children of the list.
void tellRowAdded(QAbstractItemView* list, int row);
// The focus is on a heading of a list's heading row: a screen reader hears that heading, a part of its list.
void tellHeadingFocused(QWidget* headingRow, int column);

}  // namespace fw
