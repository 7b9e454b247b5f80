// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Times the score lists at a million rows beside plain-string floors on the
// same file, in the same run, and prints the ratios.
//
//   build/test/bench/score_lists_bench [rows]

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <malloc.h>
#include <new>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "files/files.h"
#include "files/lock.h"
#include "framework/list/list_box.h"
#include "game/shuffler.h"
#include "scores/score_file.h"
#include "scores/score_store.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()>& work) {
  const auto begin = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// The median of several runs; setUp runs untimed before each.
double medianOf(int runs, const std::function<void()>& setUp, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    setUp();
    times.push_back(millisecondsOf(work));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::size_t allocated = 0;  // bytes held through operator new

std::size_t heapInUse() { return allocated; }

void report(const char* what, double ours, const char* floorName, double floor, double target) {
  const double ratio = ours / floor;
  std::printf("%-34s %10.2f ms   %-28s %10.2f ms   ratio %6.3f  (target %s %.2f)  %s\n", what, ours, floorName, floor,
              ratio, "<", target, ratio < target ? "ok" : "MISSED");
}

}  // namespace

// Counts what C++ allocations hold, by the usable size malloc gave each.
void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  allocated += malloc_usable_size(block);
  return block;
}
void operator delete(void* block) noexcept {
  if (!block) return;
  allocated -= malloc_usable_size(block);
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
  QTemporaryDir folder;
  const std::string scoresFolder = folder.path().toStdString();
  const std::string standardPath = scoresFolder + "/" + scores::kStandardFile;
  const std::string floorPath = scoresFolder + "/floor.txt";

  {
    std::mt19937 random(1);
    std::ofstream out(standardPath, std::ios::binary);
    for (int i = 0; i < rows; ++i) out << "Player " << random() % 100000 << ',' << random() % 101 << '\n';
  }
  const int runs = 5;

  // Floors: the same lines as plain strings.
  std::vector<std::string> lines;
  const auto readLines = [&] {
    lines.clear();
    std::ifstream in(standardPath, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  };
  const double readFloor = medianOf(runs, [] {}, readLines);
  const double writeFloor = medianOf(runs, [] {}, [&] {
    std::ofstream out(floorPath, std::ios::binary);
    for (const std::string& line : lines) out << line << '\n';
    out.flush();
  });
  std::vector<std::string> sorted;
  const double sortFloor = medianOf(runs, [&] { sorted = lines; }, [&] { std::sort(sorted.begin(), sorted.end()); });
  sorted = std::vector<std::string>();
  lines = std::vector<std::string>();
  const std::size_t beforeLines = heapInUse();
  readLines();
  const std::size_t linesMemory = heapInUse() - beforeLines;
  lines = std::vector<std::string>();

  // Ours: the game window opening with the file, its list sorted, changed and saved.
  game::RandomShuffler shuffler(1);
  std::unique_ptr<ui::GameWindow> window;
  // The lists' steps run as jobs: a step is done once their results are in.
  const auto settle = [&] {
    for (const fw::ListBox* each : window->content()->findChildren<fw::ListBox*>()) {
      const auto* model = static_cast<const ui::ScoreListModel*>(each->model());
      while (model->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  };
  const auto openWindow = [&] {
    window = std::make_unique<ui::GameWindow>(shuffler, scoresFolder);
    window->open();
    settle();
  };
  const auto closeWindow = [&] {
    window->close();
    while (window->isVisible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  };
  const double load = medianOf(runs, [&] { window.reset(); }, openWindow);
  window.reset();
  const std::size_t beforeList = heapInUse();
  openWindow();
  const std::size_t listMemory = heapInUse() - beforeList;
  fw::ListBox& list = *window->content()->findChild<fw::ListBox*>("standardList");

  // As a click on the heading sorts; done once the sort's result is in.
  const double sortByName = medianOf(runs, [] {}, [&] {
    emit list.horizontalHeader()->sectionClicked(0);
    settle();
  });
  const double sortByScore = medianOf(runs, [] {}, [&] {
    emit list.horizontalHeader()->sectionClicked(1);
    settle();
  });
  const double remove = medianOf(runs, [] {}, [&] { list.model()->removeRow(list.rowCount() / 2); });
  // The same removal in the list's row store alone, without the view's bookkeeping.
  scores::RowTable store = scores::parseScoreFile(std::make_shared<const std::string>(fw::readFile(standardPath, std::size_t{1} << 30).bytes));
  const double removeFromStore = medianOf(runs, [] {}, [&] { store.remove(store.size() / 2); });
  window->content()->findChild<QPushButton*>("scoreButton")->click();
  window->content()->findChild<QLineEdit*>("nameField")->setText("Bench");
  QPushButton* record = window->content()->findChild<QPushButton*>("recordButton");
  const double append = medianOf(runs, [] {}, [&] {
    record->click();
    settle();
  });
  // What a record spends on the file's lock alone: the lock file is written to the disk before it counts.
  const double lock = medianOf(runs, [] {}, [&] { fw::FileLock held(standardPath + ".lock", scores::kLockWaitMilliseconds); });
  const double save = medianOf(runs, openWindow, closeWindow);
  // The same save when another game has recorded a row meanwhile: the lists are merged.
  const double mergedSave = medianOf(
      runs,
      [&] {
        openWindow();
        fw::appendLine(standardPath, "Other game,12");
      },
      closeWindow);

  std::printf("score lists at %d rows (median of %d runs)\n", rows, runs);
  report("load: open the window", load, "read lines as strings", readFloor, 3);
  report("save: close the window", save, "write lines as strings", writeFloor, 3);
  report("save merged with another game's", mergedSave, "write lines as strings", writeFloor, 3);
  report("sort by name", sortByName, "std::sort of the lines", sortFloor, 5);
  report("sort by score", sortByScore, "std::sort of the lines", sortFloor, 5);
  report("remove a row", remove, "1% of the load", load / 100, 1);
  report("remove a row, row store alone", removeFromStore, "1% of the load", load / 100, 1);
  report("record a row", append, "1% of the load", load / 100, 1);
  report("record a row, the file's lock alone", lock, "1% of the load", load / 100, 1);
  std::printf("%-34s %10.1f MB   %-28s %10.1f MB   ratio %6.3f  (target < 2.00)  %s\n", "memory of the list",
              static_cast<double>(listMemory) / 1e6, "the lines as strings", static_cast<double>(linesMemory) / 1e6,
              static_cast<double>(listMemory) / static_cast<double>(linesMemory),
              listMemory < 2 * linesMemory ? "ok" : "MISSED");
  return 0;
}
