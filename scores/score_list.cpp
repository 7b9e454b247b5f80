// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_list.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <functional>
#include <system_error>
#include <thread>
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

// Where each row's key goes on beyond its head, for the keys that do: one
// store for each part of the rows, so that the parts can be keyed side by side.
class KeyTails {
public:
  KeyTails(std::size_t firstRow, std::size_t rows) : first_(firstRow), rows_(rows) {}
  void keep(std::uint32_t row, std::string_view key) {
    if (begins_.empty()) begins_.resize(rows_);
    begins_[row - first_] = bytes_.size();
    bytes_.append(key.substr(kHeadBytes));
  }
  const char* of(std::uint32_t row) const { return bytes_.data() + begins_[row - first_]; }

private:
  std::size_t first_;
  std::size_t rows_;
  std::string bytes_;
  std::vector<std::uint64_t> begins_;
};

struct AllTails {
  std::vector<KeyTails> parts;
  std::size_t partRows = 1;
  const char* of(std::uint32_t row) const { return parts[row / partRows].of(row); }
};

std::uint64_t bigEndian(const char* bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

// The order of the keys' bytes, a key that begins another first.
int compareKeys(const SortEntry& a, const SortEntry& b, const AllTails& tails) {
  for (int word = 0; word < 2; ++word) {
    if (a.head[word] != b.head[word]) return a.head[word] < b.head[word] ? -1 : 1;
  }
  if (a.length > kHeadBytes && b.length > kHeadBytes) {
    const std::size_t common = std::min(a.length, b.length) - kHeadBytes;
    if (const int c = std::memcmp(tails.of(a.row), tails.of(b.row), common); c != 0) return c;
  }
  return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
}

// Fewer rows than this a part are sorted by one thread: a thread costs more than it saves.
constexpr std::size_t kRowsForAThread = std::size_t{1} << 14;

// How many parts to work on side by side: one for each core, as the rows allow.
std::size_t partsFor(std::size_t rows) {
  const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
  return std::clamp<std::size_t>(rows / kRowsForAThread, 1, cores);
}

// Runs work(part) for each part, side by side where threads can be had, and
// passes on the first exception one of them threw.
void sideBySide(std::size_t parts, const std::function<void(std::size_t part)>& work) {
  std::vector<std::exception_ptr> thrown(parts);
  std::vector<std::thread> threads;
  const auto guarded = [&](std::size_t part) {
    try {
      work(part);
    } catch (...) {
      thrown[part] = std::current_exception();
    }
  };
  for (std::size_t part = 1; part < parts; ++part) {
    try {
      threads.emplace_back(guarded, part);
    } catch (const std::system_error&) {
      guarded(part);  // no thread to be had: done here
    }
  }
  if (parts > 0) guarded(0);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& error : thrown) {
    if (error) std::rethrow_exception(error);
  }
}

// Sorts by every core: the parts side by side, then merged in pairs, the
// pairs of a round side by side too. The standard library's parallel sort
// would need a thread library Debian's compiler does not bring by default.
// A stable merge of stably sorted parts is a stable sort.
template <class Less>
void sortInParts(std::vector<SortEntry>& entries, std::size_t parts, Less less, bool stable) {
  const auto boundary = [&](std::size_t part) {
    return entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), part * ((entries.size() + parts - 1) / parts)));
  };
  sideBySide(parts, [&](std::size_t part) {
    if (stable) {
      std::stable_sort(boundary(part), boundary(part + 1), less);
    } else {
      std::sort(boundary(part), boundary(part + 1), less);
    }
  });
  for (std::size_t width = 1; width < parts; width *= 2) {
    const std::size_t pairs = (parts + 2 * width - 1) / (2 * width);
    sideBySide(pairs, [&](std::size_t pair) {
      const std::size_t first = pair * 2 * width;
      if (first + width >= parts) return;
      std::inplace_merge(boundary(first), boundary(first + width), boundary(std::min(parts, first + 2 * width)), less);
    });
  }
}

// Asks now and then whether the sort is to stop, and ends it if so.
class StopCheck {
public:
  explicit StopCheck(const std::stop_token& stop) : stop_(stop) {}
  void operator()() {
    if ((++count_ & 0xFFFF) == 0 && stop_.stop_requested()) throw SortStopped();
  }

private:
  const std::stop_token& stop_;
  std::uint32_t count_ = 0;
};

// Each row's entry with its sort key, the parts side by side; false if some
// text has no key and is placed only by comparing it.
bool makeEntries(const RowTable& rows, int column, std::size_t parts, std::vector<SortEntry>& entries,
                 AllTails& tails, const std::stop_token& stop) {
  tails.partRows = std::max<std::size_t>(1, (entries.size() + parts - 1) / parts);
  for (std::size_t part = 0; part < parts; ++part) tails.parts.emplace_back(part * tails.partRows, tails.partRows);
  std::atomic<bool> everyKey = true;
  sideBySide(parts, [&](std::size_t part) {
    StopCheck check(stop);
    std::string key;
    const std::size_t end = std::min(entries.size(), (part + 1) * tails.partRows);
    rows.forEachRow(part * tails.partRows, end, [&](std::size_t row, const std::string_view* cells) {
      check();
      SortEntry& entry = entries[row];
      entry.row = static_cast<std::uint32_t>(row);
      key.clear();
      if (!appendNaturalKey(cells[column], key) || key.size() >= kNoKey) {
        entry.length = kNoKey;
        everyKey.store(false, std::memory_order_relaxed);
        return;
      }
      entry.length = static_cast<std::uint32_t>(key.size());
      if (key.size() > kHeadBytes) tails.parts[part].keep(entry.row, key);
      key.resize(std::max(key.size(), kHeadBytes));
      entry.head[0] = bigEndian(key.data());
      entry.head[1] = bigEndian(key.data() + 8);
    });
  });
  return everyKey;
}

// The rows' order sorted stably by one column: row i of the result is the old row order[i].
std::vector<std::uint32_t> sortedOrder(const RowTable& rows, int column, bool descending, const std::stop_token& stop) {
  std::vector<SortEntry> entries(rows.size());
  const std::size_t parts = partsFor(entries.size());
  AllTails tails;
  const bool everyKey = makeEntries(rows, column, parts, entries, tails, stop);
  const bool ascending = !descending;
  if (everyKey) {
    // The keys order as the texts do and alike texts keep their rows' order:
    // the one stable order, found by the quicker unstable sort.
    sortInParts(entries, parts, [&, check = StopCheck(stop)](const SortEntry& a, const SortEntry& b) mutable {
      check();
      const int c = compareKeys(a, b, tails);
      return c != 0 ? (ascending ? c < 0 : c > 0) : a.row < b.row;
    }, false);
  } else {
    // Some texts are placed only by comparing them: the stable sort of the
    // rows, asking the keys wherever both texts have one. Such texts ("-0")
    // do not order consistently against all others, so the one stable sort
    // of the whole gives the order a list had always been given: no parts.
    sortInParts(entries, 1, [&, check = StopCheck(stop)](const SortEntry& a, const SortEntry& b) mutable {
      check();
      const int c = a.length == kNoKey || b.length == kNoKey
                        ? naturalCompare(rows.cell(a.row, column), rows.cell(b.row, column))
                        : compareKeys(a, b, tails);
      return ascending ? c < 0 : c > 0;
    }, true);
  }
  std::vector<std::uint32_t> sorted(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) sorted[i] = entries[i].row;
  return sorted;
}

}  // namespace

ScoreList::ScoreList(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds)
    : store_(folder, fileName, lockWaitMilliseconds) {}

void ScoreList::load() { rows_ = store_.load(); }

ScoreStore::Recorded ScoreList::addToFile(std::string_view name, std::string_view score) {
  return store_.record(name, score);
}

void ScoreList::remove(std::size_t row) { rows_.remove(row); }

ScoreList::Sorted ScoreList::sorted(int column, bool descending, const std::stop_token& stop) const {
  Sorted result;
  {
    const std::vector<std::uint32_t> order = sortedOrder(rows_, column, descending, stop);
    result.ids = rows_.idsInOrder(order);
    result.newRowOf.resize(order.size());
    for (std::size_t at = 0; at < order.size(); ++at) result.newRowOf[order[at]] = static_cast<std::uint32_t>(at);
  }
  return result;
}

ScoreStore::Saved ScoreList::saveToFile() { return store_.save(rows_); }

}  // namespace scores
