// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The table model behind a list box: its rows in a row store, shown decoded
// as UTF-8 (Latin-1 where they are not valid UTF-8), long cells cut short.

#include <QAbstractTableModel>
#include <QStringList>

#include <string_view>

#include "framework/row_table.h"

namespace fw {

enum class SortOrder { Ascending, Descending };

class RowsModel final : public QAbstractTableModel {
public:
  explicit RowsModel(int columns) : rows_(columns) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  const RowTable& rows() const { return rows_; }
  void appendRows(RowTable&& more);
  void removeRow(int row);
  // A stable sort by the texts of one column, in their natural order.
  void sortBy(int column, SortOrder order);
  void setHeadings(const QStringList& headings);

  int sortColumn = -1;
  SortOrder sortOrder = SortOrder::Ascending;

private:
  RowTable rows_;
  QStringList headings_;
};

}  // namespace fw
