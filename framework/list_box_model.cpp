// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box_model.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/application.h"
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

// A row in a sort: the first bytes of its cell's sort key kept beside it, so
// that most comparisons read no more than these.
struct SortEntry {
  std::uint64_t head[2];
  std::uint32_t row;
  std::uint32_t length;  // of the whole key; kNoKey for a cell without one
};
constexpr std::uint32_t kNoKey = 0xFFFFFFFFu;
constexpr std::size_t kHeadBytes = sizeof(SortEntry::head);

// Where each row's key goes on beyond its head, for the keys that do.
class KeyTails {
public:
  void keep(std::uint32_t row, std::size_t rows, std::string_view key) {
    if (begins_.empty()) begins_.resize(rows);
    begins_[row] = bytes_.size();
    bytes_.append(key.substr(kHeadBytes));
  }
  const char* of(std::uint32_t row) const { return bytes_.data() + begins_[row]; }

private:
  std::string bytes_;
  std::vector<std::uint64_t> begins_;
};

std::uint64_t bigEndian(const char* bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

// The order of the keys' bytes, a key that begins another first.
int compareKeys(const SortEntry& a, const SortEntry& b, const KeyTails& tails) {
  for (int word = 0; word < 2; ++word) {
    if (a.head[word] != b.head[word]) return a.head[word] < b.head[word] ? -1 : 1;
  }
  if (a.length > kHeadBytes && b.length > kHeadBytes) {
    const std::size_t common = std::min(a.length, b.length) - kHeadBytes;
    if (const int c = std::memcmp(tails.of(a.row), tails.of(b.row), common); c != 0) return c;
  }
  return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
}

// The rows' order sorted stably by one column: row i of the result is the old row order[i].
std::vector<std::uint32_t> sortedOrder(const RowTable& rows, int column, SortOrder order) {
  std::vector<SortEntry> entries(rows.size());
  KeyTails tails;
  std::string key;
  bool everyKey = true;
  rows.forEachRow([&](std::size_t row, const std::string_view* cells) {
    SortEntry& entry = entries[row];
    entry.row = static_cast<std::uint32_t>(row);
    key.clear();
    if (!appendNaturalKey(cells[column], key) || key.size() >= kNoKey) {
      entry.length = kNoKey;
      everyKey = false;
      return;
    }
    entry.length = static_cast<std::uint32_t>(key.size());
    if (key.size() > kHeadBytes) tails.keep(entry.row, entries.size(), key);
    key.resize(std::max(key.size(), kHeadBytes));
    entry.head[0] = bigEndian(key.data());
    entry.head[1] = bigEndian(key.data() + 8);
  });
  const bool ascending = order == SortOrder::Ascending;
  if (everyKey) {
    // The keys order as the texts do and alike texts keep their rows' order:
    // the one stable order, found by the quicker unstable sort.
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
      const int c = compareKeys(a, b, tails);
      return c != 0 ? (ascending ? c < 0 : c > 0) : a.row < b.row;
    });
  } else {
    // Some texts are placed only by comparing them: the stable sort of the
    // rows, asking the keys wherever both texts have one.
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
      const int c = a.length == kNoKey || b.length == kNoKey
                        ? naturalCompare(rows.cell(a.row, column), rows.cell(b.row, column))
                        : compareKeys(a, b, tails);
      return ascending ? c < 0 : c > 0;
    });
  }
  std::vector<std::uint32_t> sorted(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) sorted[i] = entries[i].row;
  return sorted;
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
  // Room first: running out of memory then leaves the list as it was.
  if (rows_.size() > 0) rows_.reserveFor(more);
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
  // Millions of rows take a while to sort: the window goes on being drawn meanwhile.
  std::vector<std::uint32_t> permutation;
  runWithoutFreezing([&] { permutation = sortedOrder(rows_, column, order); });
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  try {
    rows_.permute(permutation);
  } catch (const std::bad_alloc&) {
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);  // as it was
    throw;
  }
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RowsModel::setHeadings(const QStringList& headings) {
  headings_ = headings;
  emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
}

}  // namespace fw
