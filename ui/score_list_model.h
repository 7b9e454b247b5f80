// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A score list as Qt's views see it: a table of its rows under the headings
// "Name" and "Score", its cells decoded for the screen. Every change of the
// list comes through here, so that the views hear of it as Qt's models tell it.
//
// The list's long steps (reading its file, sorting, saving, the file step of
// a record) run as jobs beside the window's thread, one at a time. The rule
// that keeps them safe lives here: while a job runs, the list's rows do not
// change. A removal or a row recorded meanwhile waits, by the row as shown,
// and is applied once the job's own result is in, before the next job starts.

#include <QAbstractTableModel>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/reason.h"
#include "framework/window/jobs.h"
#include "scores/score_list.h"

namespace ui {

class ScoreListModel final : public QAbstractTableModel {
  Q_OBJECT

public:
  // The long steps, as the list shows them while they run.
  enum Step { Reading, Sorting, Saving, Recording };

  explicit ScoreListModel(scores::ScoreList& list, QObject* parent = nullptr);
  ~ScoreListModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Cells are bytes, shown decoded as UTF-8 (Latin-1 where they are not
  // valid UTF-8), long ones cut short; the bytes stay as they are.
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
  // A stable sort by the texts of the column, in their natural order, as a
  // job: a later sort replaces one that has not finished.
  void sort(int column, Qt::SortOrder order) override;

  // Reads the list's file, as the list's first job; its rows are shown from
  // then on, and then runs.
  void load(std::function<void()> then);
  // A row at the bottom (out of memory: std::bad_alloc, the list unchanged).
  void addRow(std::string_view name, std::string_view score);

  // The row at the bottom, and its line in the file; then runs with what the
  // file step did. Out of memory for the row: std::bad_alloc, nothing done.
  void record(const std::string& name, const std::string& score,
              std::function<void(const scores::ScoreStore::Recorded&)> then);
  // Writes the list to its file, keeping what other games did to it, which
  // then comes into the list; then runs with the outcome.
  void save(std::function<void(const scores::ScoreStore::Saved&)> then);
  // Whether the file holds the list as it is now, as far as this game
  // knows: saved, and not changed since. How many saves succeeded.
  bool saved() const { return savedAt_ == changes_; }
  std::uint64_t saves() const { return saves_; }

  // Whether a step runs, or waits to.
  bool busy() const { return jobs_.busy(); }
  // Stops a sort and does every other step here and now: for when the
  // program ends and nobody waits for the window.
  void finishStepsHere();

signals:
  // A step began (Step), or the last one ended (-1).
  void stepChanged(int step);
  // A sort found too little memory; the rows are in their order.
  void sortFailed();

private:
  // Rows at the bottom: now, or after the job that runs.
  void append(scores::RowTable rows);
  void appendNow(scores::RowTable rows);
  void removeNow(std::vector<std::size_t> rows);
  void reorderNow(scores::ScoreList::Sorted sorted);
  // Applies what waited for the job that just ended.
  void applyWaiting();
  bool waiting() const { return !waitingRemovals_.empty() || waitingRows_.size() != 0; }

  scores::ScoreList& list_;
  bool shown_ = false;
  // Rows removed (as shown while the job ran) and recorded while a job ran.
  std::vector<std::size_t> waitingRemovals_;
  scores::RowTable waitingRows_{2};
  // Counts the changes of the rows; savedAt_ is the count the file last had.
  std::uint64_t changes_ = 0;
  std::uint64_t savedAt_ = UINT64_MAX;
  std::uint64_t saves_ = 0;
  fw::JobQueue jobs_;
};

}  // namespace ui
