// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/score_list_model.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <new>
#include <utility>

#include "framework/window/application.h"

namespace ui {

namespace {

constexpr int kColumns = 2;

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

int ScoreListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !shown_ ? 0 : static_cast<int>(list_.size());
}

void ScoreListModel::showRows() {
  beginResetModel();
  shown_ = true;
  endResetModel();
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

bool ScoreListModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount()) return false;
  beginRemoveRows({}, row, row + count - 1);
  for (int left = count; left > 0; --left) list_.remove(static_cast<std::size_t>(row));
  endRemoveRows();
  return true;
}

void ScoreListModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kColumns) return;
  // Millions of rows take a while to sort: the window goes on being drawn meanwhile.
  std::vector<std::uint32_t> sorted;
  fw::runWithoutFreezing([&] { sorted = list_.sortedOrder(column, order == Qt::DescendingOrder); });
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  try {
    list_.reorder(sorted);
  } catch (const std::bad_alloc&) {
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);  // as it was
    throw;
  }
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ScoreListModel::append(scores::RowTable rows) {
  if (rows.size() == 0) return;
  // The memory first: running out of it then leaves the list and its views as they were.
  list_.reserveFor(rows);
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  list_.append(std::move(rows));
  endInsertRows();
}

void ScoreListModel::addRow(std::string_view name, std::string_view score) {
  scores::RowTable row(kColumns);
  row.add({name, score});
  append(std::move(row));
}

void ScoreListModel::takeIn(scores::OthersChanges others) {
  for (auto row = others.removed.rbegin(); row != others.removed.rend(); ++row) removeRow(static_cast<int>(*row));
  append(std::move(others.added));
}

}  // namespace ui
