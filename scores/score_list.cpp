// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_list.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "scores/natural_order.h"

namespace scores {

namespace {

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
std::vector<std::uint32_t> sortedOrder(const RowTable& rows, int column, bool descending) {
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
  const bool ascending = !descending;
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

ScoreList::ScoreList(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds)
    : store_(folder, fileName, lockWaitMilliseconds) {}

void ScoreList::load() { rows_ = store_.load(); }

bool ScoreList::addToFile(std::string_view name, std::string_view score, fw::Reason* reason) {
  return store_.record(name, score, reason);
}

void ScoreList::remove(std::size_t row) { rows_.remove(row); }

std::vector<std::uint32_t> ScoreList::sortedOrder(int column, bool descending) const {
  return scores::sortedOrder(rows_, column, descending);
}

void ScoreList::reorder(const std::vector<std::uint32_t>& order) { rows_.permute(order); }

ScoreStore::Saved ScoreList::saveToFile() { return store_.save(rows_); }

}  // namespace scores
