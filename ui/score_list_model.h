// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A score list as Qt's views see it: a table of its rows under the headings
// "Name" and "Score", its cells decoded for the screen. Every change of the
// list comes through here, so that the views hear of it as Qt's models tell it.

#include <QAbstractTableModel>

#include <string_view>

#include "scores/score_list.h"

namespace ui {

class ScoreListModel final : public QAbstractTableModel {
public:
  explicit ScoreListModel(scores::ScoreList& list) : list_(list) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Cells are bytes, shown decoded as UTF-8 (Latin-1 where they are not
  // valid UTF-8), long ones cut short; the bytes stay as they are.
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
  // A stable sort by the texts of the column, in their natural order; the
  // window is drawn while a long list is sorted.
  void sort(int column, Qt::SortOrder order) override;

  // The list's rows are shown from now on: before, while the file is read
  // beside the window, it has none.
  void showRows();
  void addRow(std::string_view name, std::string_view score);
  // What other games did, as a save wrote it to the file.
  void takeIn(scores::OthersChanges others);

private:
  void append(scores::RowTable rows);

  scores::ScoreList& list_;
  bool shown_ = false;
};

}  // namespace ui
