// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list/list_events.h"

#include <QWidget>

namespace fw {

int listChildIndex(int row, int column, int columns) { return (row + 1) * (columns + 1) + column + 1; }

void tellAssistiveTools(QAbstractItemView* list, const QModelIndex& index, QAccessible::Event what) {
  if (!QAccessible::isActive() || !index.isValid()) return;
  QAccessibleEvent event(list, what);
  event.setChild(listChildIndex(index.row(), index.column(), index.model()->columnCount()));
  QAccessible::updateAccessibility(&event);
}

void tellRowAdded(QAbstractItemView* list, int row) {
  if (!QAccessible::isActive()) return;
  const int columns = list->model()->columnCount();
  for (int column = 0; column < columns; ++column) {
    QAccessibleEvent added(list, QAccessible::ObjectCreated);
    added.setChild(listChildIndex(row, column, columns));
    QAccessible::updateAccessibility(&added);
  }
}

void tellHeadingFocused(QWidget* headingRow, int column) {
  if (!QAccessible::isActive()) return;
  // The heading row's own name follows its chosen heading.
  QAccessibleEvent renamed(headingRow, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  // The heading as the list's child, where a reader finds it; the heading
  // row's own widget is no child of the list.
  QAccessibleEvent focused(headingRow->parentWidget(), QAccessible::Focus);
  focused.setChild(column + 1);
  QAccessible::updateAccessibility(&focused);
}
}  // namespace fw
