// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/score_list_model.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

namespace ui {

namespace {

constexpr int kColumns = 2;

// More removals at once than this are made in one pass over the list.
constexpr std::size_t kRemovalsOneByOne = 16;

// Cells longer than this are shown cut short: laying out megabytes of text
// at every repaint would stall the game. The bytes stay whole.
constexpr qsizetype kShownCharacters = 300;

QString decode(std::string_view bytes) {
  // Enough bytes for the characters shown, however many bytes each takes,
  // cut where a character begins.
  std::size_t end = std::min(bytes.size(), static_cast<std::size_t>(kShownCharacters) * 4);
  for (int back = 0; end < bytes.size() && back < 3 && (bytes[end] & 0xC0) == 0x80; ++back) --end;
  const std::string_view shown = bytes.substr(0, end);
  // Stateless, so that an incomplete sequence at the end is an error too.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(shown.data(), static_cast<qsizetype>(shown.size())));
  if (utf8.hasError()) text = QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
  if (end < bytes.size() || text.size() > kShownCharacters) {
    qsizetype keep = std::min(text.size(), kShownCharacters);
    if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
    text = text.left(keep) + QChar(0x2026);
  }
  return text;
}

}  // namespace

ScoreListModel::ScoreListModel(scores::ScoreList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {
  jobs_.setAfterEach([this] { applyWaiting(); });
  connect(&jobs_, &fw::JobQueue::runningChanged, this, &ScoreListModel::stepChanged);
}

ScoreListModel::~ScoreListModel() = default;

int ScoreListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !shown_ ? 0 : static_cast<int>(list_.size());
}

int ScoreListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ScoreListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
    return {};
  }
  return decode(list_.cell(static_cast<std::size_t>(index.row()), index.column()));
}

QVariant ScoreListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  //: The heading of the score list's column of names; about 130 px at 10 px with the sort mark.
  if (section == 0) return QCoreApplication::translate("ScoreListModel", "Name");
  //: The heading of the score list's column of scores; about 60 px at 10 px with the sort mark.
  if (section == 1) return QCoreApplication::translate("ScoreListModel", "Score");
  return {};
}

void ScoreListModel::load(std::function<void()> then) {
  jobs_.add(Reading, [this, then = std::move(then)](std::stop_token) -> fw::JobQueue::Then {
    list_.load();
    return [this, then] {
      beginResetModel();
      shown_ = true;
      endResetModel();
      if (then) then();
    };
  });
}

bool ScoreListModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
  std::vector<std::size_t> rows;
  for (int r = row; r < row + count; ++r) rows.push_back(static_cast<std::size_t>(r));
  if (busy()) {
    waitingRemovals_.insert(waitingRemovals_.end(), rows.begin(), rows.end());
  } else {
    removeNow(std::move(rows));
  }
  return true;
}

void ScoreListModel::removeNow(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // Many at once (another game's removals, taken in at a save): one pass
  // over the list rather than one for each, the views shown it anew.
  if (rows.size() > kRemovalsOneByOne) {
    beginResetModel();
    list_.removeRows(rows);
    ++changes_;
    endResetModel();
    return;
  }
  // Back to front, so that each row is where it was shown.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    const int at = static_cast<int>(*row);
    beginRemoveRows({}, at, at);
    list_.remove(*row);
    ++changes_;
    endRemoveRows();
  }
}

void ScoreListModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kColumns) return;
  // The last sort asked for is the one that counts.
  jobs_.cancel(Sorting);
  jobs_.add(Sorting, [this, column, order](std::stop_token stop) -> fw::JobQueue::Then {
    try {
      auto sorted = std::make_shared<scores::ScoreList::Sorted>(list_.sorted(column, order == Qt::DescendingOrder, stop));
      return [this, sorted] { reorderNow(std::move(*sorted)); };
    } catch (const scores::SortStopped&) {
      return {};
    } catch (const std::bad_alloc&) {
      return [this] { emit sortFailed(); };
    }
  });
}

void ScoreListModel::reorderNow(scores::ScoreList::Sorted sorted) {
  // Where each row goes was worked out beside the window: the views' current
  // row and selection, and the rows removed while the sort ran, stay with the
  // same player. The views keep theirs as the layout is about to change, so
  // they are asked for after.
  const std::vector<std::uint32_t> newRow = std::move(sorted.newRowOf);
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList persistent = persistentIndexList();
  list_.reorder(std::move(sorted));
  ++changes_;
  QModelIndexList moved;
  for (const QModelIndex& index : persistent) {
    moved.push_back(index.sibling(static_cast<int>(newRow[static_cast<std::size_t>(index.row())]), index.column()));
  }
  changePersistentIndexList(persistent, moved);
  for (std::size_t& row : waitingRemovals_) row = newRow[row];
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ScoreListModel::append(scores::RowTable rows) {
  if (rows.size() == 0) return;
  // While a job reads the rows they wait for it.
  if (busy()) {
    waitingRows_.reserveFor(rows);
    waitingRows_.append(std::move(rows));
    return;
  }
  appendNow(std::move(rows));
}

void ScoreListModel::appendNow(scores::RowTable rows) {
  if (rows.size() == 0) return;
  // The memory first: running out of it then leaves the list and its views as they were.
  list_.reserveFor(rows);
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  list_.append(std::move(rows));
  ++changes_;
  endInsertRows();
}

void ScoreListModel::addRow(std::string_view name, std::string_view score) {
  scores::RowTable row(kColumns);
  row.add({name, score});
  append(std::move(row));
}

void ScoreListModel::record(const std::string& name, const std::string& score,
                            std::function<void(const scores::ScoreStore::Recorded&)> then) {
  addRow(name, score);
  jobs_.add(Recording, [this, name, score, then = std::move(then)](std::stop_token) -> fw::JobQueue::Then {
    auto recorded = std::make_shared<scores::ScoreStore::Recorded>(list_.addToFile(name, score));
    return [recorded, then] {
      if (then) then(*recorded);
    };
  });
}

void ScoreListModel::save(std::function<void(const scores::ScoreStore::Saved&)> then) {
  jobs_.add(Saving, [this, then = std::move(then)](std::stop_token) -> fw::JobQueue::Then {
    auto saved = std::make_shared<scores::ScoreStore::Saved>(list_.saveToFile());
    return [this, saved, then] {
      if (saved->ok) {
        // What other games did, as the save wrote it: the list is the file now.
        // Rows removed meanwhile were counted as shown before it.
        const std::vector<std::size_t>& gone = saved->others.removed;
        std::erase_if(waitingRemovals_, [&gone](std::size_t row) { return std::binary_search(gone.begin(), gone.end(), row); });
        for (std::size_t& row : waitingRemovals_) row -= static_cast<std::size_t>(std::lower_bound(gone.begin(), gone.end(), row) - gone.begin());
        removeNow(gone);
        appendNow(std::move(saved->others.added));
        savedAt_ = changes_;
        ++saves_;
      }
      if (then) then(*saved);
    };
  });
}

void ScoreListModel::applyWaiting() {
  if (!waiting()) return;
  removeNow(std::exchange(waitingRemovals_, {}));
  appendNow(std::exchange(waitingRows_, scores::RowTable(kColumns)));
}

void ScoreListModel::finishStepsHere() {
  jobs_.cancel(Sorting);
  jobs_.finishHere();
}

}  // namespace ui
