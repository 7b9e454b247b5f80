// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box_model.h"

#include <QStringDecoder>

#include <algorithm>
#include <numeric>
#include <vector>

#include "framework/natural_order.h"

namespace fw {

namespace {

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

int RowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_.columnCount(); }

QVariant RowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
  return decode(rows_.cell(static_cast<std::size_t>(index.row()), index.column()));
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headings_.size()) return {};
  return headings_[section];
}

void RowsModel::appendRows(RowTable&& more) {
  if (more.size() == 0) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
  rows_.append(std::move(more));
  endInsertRows();
}

void RowsModel::removeRow(int row) {
  beginRemoveRows({}, row, row);
  rows_.remove(static_cast<std::size_t>(row));
  endRemoveRows();
}

void RowsModel::sortBy(int column, SortOrder order) {
  std::vector<std::string_view> keys(rows_.size());
  for (std::size_t row = 0; row < keys.size(); ++row) keys[row] = rows_.cell(row, column);
  std::vector<std::uint32_t> permutation(rows_.size());
  std::iota(permutation.begin(), permutation.end(), 0u);
  std::stable_sort(permutation.begin(), permutation.end(), [&](std::uint32_t a, std::uint32_t b) {
    const int c = naturalCompare(keys[a], keys[b]);
    return order == SortOrder::Ascending ? c < 0 : c > 0;
  });
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  rows_.permute(permutation);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RowsModel::setHeadings(const QStringList& headings) {
  headings_ = headings;
  emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
}

}  // namespace fw
