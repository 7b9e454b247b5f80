// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Times what a player waits for in the real game window over score files of
// many rows in both lists, beside floors measured in the same run: an empty
// start, std::sort of the lines, writing the lines; and the empty start beside
// a plain Qt window with as many widgets. Each run is a fresh process, the
// plain window, the empty game and the full one started in turns.
//
//   window_bench [--runs N] [ROWS[xBYTES]...]
//     (defaults: 5 runs; 1000000 and 5000000 rows; BYTES, where given, is the
//     length of every line, its line break included: 16000000x67 is a file of 1 GiB)
//
// The game runs on the platform QT_QPA_PLATFORM names (offscreen when unset);
// under xvfb-run with QT_QPA_PLATFORM=xcb it maps a real X window.

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "framework/list/list_box.h"
#include "game/shuffler.h"
#include "plain_window.h"
#include "scores/score_store.h"
#include "ui/score_list_model.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

long long nowNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

double statusMegabytes(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::stod(line.substr(std::strlen(field))) / 1024;
  }
  return 0;
}

double residentMegabytes() { return statusMegabytes("VmRSS:"); }

// The most memory the process has held since this call.
void resetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double peakMegabytes() { return statusMegabytes("VmHWM:"); }

std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five;
  in >> one >> five;
  return one + " " + five;
}

// The game side: one process, one game, its steps timed from real input.
class TimedGame : public QObject {
public:
  explicit TimedGame(int expectedRows) : expectedRows_(expectedRows) {
    qApp->installEventFilter(this);
    heartbeat_.setInterval(1);
    heartbeat_.setTimerType(Qt::PreciseTimer);
    connect(&heartbeat_, &QTimer::timeout, this, [this] { beat(); });
  }

  // A frame that paints the list (with all its rows, the first time) or, in
  // the plain window, its tables counts once it is done: when the event loop
  // turns over after it.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || framePending_) return false;
    auto* view = qobject_cast<QAbstractItemView*>(watched->parent());
    if (!view || watched != view->viewport() || view->objectName() == "expertList") return false;
    auto* list = dynamic_cast<fw::ListBox*>(view);
    if (!firstFrame_ && list && list->rowCount() < expectedRows_) return false;
    framePending_ = true;
    QTimer::singleShot(0, this, [this] {
      framePending_ = false;
      if (!firstFrame_) firstFrame_ = nowNanoseconds();
      painted_ = true;
    });
    return false;
  }

  long long firstFrame() const { return firstFrame_; }

  // Processes events until such a frame is done, or a minute has gone.
  void waitForPaint() {
    QElapsedTimer limit;
    limit.start();
    while (!painted_ && limit.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  void settle(int milliseconds) {
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }

  // Times the action until done() says its work is done (a job's result is
  // in) and the list has painted after it, the median of as many times as
  // asked; the longest the event loop went without turning over meanwhile is
  // the freeze: the longest an input event could have waited.
  void step(const std::string& name, const std::function<void()>& action, const std::function<bool()>& done,
            bool untilPainted = true, int times = 1) {
    std::vector<double> took;
    std::vector<double> froze;
    for (int time = 0; time < times; ++time) {
      settle(times > 1 ? 5 : 50);
      heartbeat_.start();
      lastBeat_ = Clock::now();
      longestGap_ = 0;
      const auto begin = Clock::now();
      action();
      beat();
      QElapsedTimer limit;
      limit.start();
      while (!done() && limit.elapsed() < 600000) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
      painted_ = false;
      if (untilPainted) {
        list_->viewport()->update();
        waitForPaint();
      } else {
        QCoreApplication::processEvents();
      }
      took.push_back(millisecondsSince(begin));
      beat();
      heartbeat_.stop();
      froze.push_back(longestGap_);
    }
    std::sort(took.begin(), took.end());
    std::sort(froze.begin(), froze.end());
    std::printf("%s %.3f\n%s-freeze %.3f\n", name.c_str(), took[took.size() / 2], name.c_str(),
                froze[froze.size() / 2]);
  }
  void setList(QAbstractItemView* list) { list_ = list; }

private:
  void beat() {
    const auto now = Clock::now();
    longestGap_ = std::max(longestGap_, std::chrono::duration<double, std::milli>(now - lastBeat_).count());
    lastBeat_ = now;
  }

  int expectedRows_;
  long long firstFrame_ = 0;
  bool framePending_ = false;
  bool painted_ = false;
  QTimer heartbeat_;
  QAbstractItemView* list_ = nullptr;
  Clock::time_point lastBeat_;
  double longestGap_ = 0;
};

int runGame(int argc, char* argv[], const std::string& folder, int rows, long long spawnedAt) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  TimedGame timed(rows);
  game::RandomShuffler shuffler(1);
  app::App app(shuffler, folder);
  app.showGame();
  ui::GameWindow* window = &app.gameWindow();
  fw::ListBox* list = window->content()->findChild<fw::ListBox*>("standardList");
  timed.waitForPaint();
  std::printf("start %.3f\n", static_cast<double>(timed.firstFrame() - spawnedAt) / 1e6);
  // Both lists are read, each as a job of its own, before the memory is counted.
  for (const fw::ListBox* each : window->content()->findChildren<fw::ListBox*>()) {
    const auto* model = static_cast<const ui::ScoreListModel*>(each->model());
    while (model->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  timed.settle(500);
  std::printf("memory %.1f\n", residentMegabytes());
  if (rows == 0) return 0;

  timed.setList(list);
  const auto* model = static_cast<const ui::ScoreListModel*>(list->model());
  const auto idle = [model] { return !model->busy(); };
  QHeaderView* header = list->horizontalHeader();
  const auto clickHeading = [header](int column) {
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  };
  // A game runs, its clock at ten ticks a second, while the list sorts: the ticks come as they would without the sort.
  window->content()->findChild<QPushButton*>("startButton")->click();
  auto* clock = window->findChild<QTimer*>();
  clock->setInterval(100);
  clock->setTimerType(Qt::PreciseTimer);
  int ticks = 0;
  QObject::connect(clock, &QTimer::timeout, [&ticks] { ++ticks; });
  const auto sortStep = [&](const char* name, int column) {
    ticks = 0;
    const auto begin = Clock::now();
    timed.step(name, [&] { clickHeading(column); }, idle);
    std::printf("%s-ticks %d\n%s-ticks-expected %.1f\n", name, std::max(ticks, 0), name, millisecondsSince(begin) / 100);
  };
  sortStep("sort-name", 0);
  sortStep("sort-score", 1);
  clock->setInterval(3'600'000);
  // Removals and records are quick: each figure is the median of several.
  timed.step(
      "remove",
      [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 0)).center());
      },
      idle, true, 15);
  window->content()->findChild<QPushButton*>("scoreButton")->click();
  window->content()->findChild<QLineEdit*>("nameField")->setText("Bench");
  QPushButton* record = window->content()->findChild<QPushButton*>("recordButton");
  timed.step("record", [&] { QTest::mouseClick(record, Qt::LeftButton); }, idle, false, 15);
  const double before = residentMegabytes();
  resetPeakMemory();
  timed.step("save", [&] { window->close(); }, [window] { return !window->isVisible(); }, false);
  std::printf("save-memory %.1f\n", peakMegabytes() - before);
  return 0;
}

// The plain window with as many widgets, in the same process set-up.
int runPlainWindow(int argc, char* argv[], long long spawnedAt) {
  QApplication application(argc, argv);
  TimedGame timed(0);
  QMainWindow window;
  showPlainWindow(window, true);
  timed.waitForPaint();
  std::printf("start %.3f\n", static_cast<double>(timed.firstFrame() - spawnedAt) / 1e6);
  return 0;
}

// The bench side: files, floors and turns.

// Lines of "Player N,S", or of lineBytes each (its line break included) when that is given.
void writeScoreFile(const std::string& path, int rows, int lineBytes, unsigned seed) {
  std::mt19937 random(seed);
  std::ofstream out(path, std::ios::binary);
  std::string line;
  for (int i = 0; i < rows; ++i) {
    const std::string name = "Player " + std::to_string(random() % 100000);
    const std::string score = std::to_string(random() % 101);
    line = name;
    if (lineBytes > 0) line.resize(std::max<std::size_t>(name.size(), static_cast<std::size_t>(lineBytes) - score.size() - 2), '.');
    out << line << ',' << score << '\n';
  }
}

std::vector<std::string> linesOf(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  return lines;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs a game over the folder's files, or the plain window when the folder is empty.
std::map<std::string, double> runChild(const QString& self, const QString& folder, int rows) {
  QProcess child;
  child.setStandardErrorFile(QProcess::nullDevice());
  const long long spawnedAt = nowNanoseconds();
  if (folder.isEmpty()) {
    child.start(self, {"--plain", QString::number(spawnedAt)});
  } else {
    child.start(self, {"--game", folder, QString::number(rows), QString::number(spawnedAt)});
  }
  child.waitForFinished(-1);
  std::map<std::string, double> figures;
  std::istringstream out(child.readAllStandardOutput().toStdString());
  std::string key;
  for (double value; out >> key >> value;) figures[key] = value;
  return figures;
}

void report(int rows, int runs, double fileMegabytes, const std::map<std::string, std::vector<double>>& ours,
            const std::map<std::string, double>& floors, const std::string& loadBefore) {
  const auto of = [&](const std::string& key) {
    const auto found = ours.find(key);
    return found == ours.end() ? 0.0 : median(found->second);
  };
  std::printf("\n%d rows in each list (%.1f MB of files); medians of %d runs; load average %s before, %s after\n",
              rows, fileMegabytes, runs, loadBefore.c_str(), loadAverage().c_str());
  std::printf("%-22s %10s %10s   %-30s %10s %7s   %s\n", "step", "ms", "freeze ms", "floor", "floor ms", "ratio",
              "target");
  const auto figure = [](double value, const char* format) {
    char text[32] = "-";
    if (value > 0) std::snprintf(text, sizeof text, format, value);
    return std::string(text);
  };
  const auto line = [&](const char* what, const std::string& key, const char* floorName, double floor,
                        const char* target, bool met) {
    const double value = of(key);
    std::printf("%-22s %10.2f %10s   %-30s %10s %7s   %s %s\n", what, value, figure(of(key + "-freeze"), "%.2f").c_str(),
                floorName, figure(floor, "%.2f").c_str(), figure(floor > 0 ? value / floor : 0, "%.2f").c_str(), target,
                met ? "ok" : "MISSED");
  };
  const double empty = of("empty-start");
  const double sortFloor = floors.at("sort");
  line("empty start", "empty-start", "plain widgets window", of("plain-start"), "<= 1.1x",
       empty <= 1.1 * of("plain-start"));
  line("start to first paint", "start", "empty start", empty, "<= 2x", of("start") <= 2 * empty);
  line("click Name to repaint", "sort-name", "std::sort of the lines", sortFloor, "<= 1x",
       of("sort-name") <= sortFloor);
  line("click Score to repaint", "sort-score", "std::sort of the lines", sortFloor, "<= 1x",
       of("sort-score") <= sortFloor);
  line("longest input wait, sort", "sort-name-freeze", "-", 0, "< 100 ms", of("sort-name-freeze") < 100);
  std::printf("%-22s %10.0f %10s   %-30s %10.0f %7.2f   %s %s\n", "clock ticks, sort", of("sort-name-ticks"), "",
              "ticks due at 100 ms", of("sort-name-ticks-expected"),
              of("sort-name-ticks") / std::max(1.0, of("sort-name-ticks-expected")), ">= 0.9x",
              of("sort-name-ticks") >= 0.9 * of("sort-name-ticks-expected") ? "ok" : "MISSED");
  line("remove a row", "remove", "-", 0, "< 1 ms", of("remove") < 1);
  line("record", "record", "-", 0, "< 5 ms", of("record") < 5);
  line("quit's save", "save", "writing the lines, synced", floors.at("write"), "<= 2x", of("save") <= 2 * floors.at("write"));
  std::printf("%-22s %10.1f %10s   %-30s %10.1f %7.2f   %s %s\n", "save's memory MB", of("save-memory"), "",
              "the files", fileMegabytes, of("save-memory") / fileMegabytes, "<= 1x",
              of("save-memory") <= fileMegabytes ? "ok" : "MISSED");
  const double allowed = of("empty-memory") + 2 * fileMegabytes;
  std::printf("%-22s %10.1f %10s   %-30s %10.1f %7.2f   %s %s\n", "memory MB", of("memory"), "",
              "empty game + 2x the files", allowed, of("memory") / allowed, "<= 1x",
              of("memory") <= allowed ? "ok" : "MISSED");
  // Before its first frame there is no window to freeze: the start is timed above.
  double longest = 0;
  for (const char* key : {"sort-name", "sort-score", "remove", "record", "save"}) {
    longest = std::max(longest, of(std::string(key) + "-freeze"));
  }
  std::printf("%-22s %10.2f %10s   %-30s %10s %7s   %s %s\n", "longest freeze", longest, "", "-", "", "", "< 100 ms",
              longest < 100 ? "ok" : "MISSED");
}

int runBench(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  int runs = 5;
  std::vector<std::pair<int, int>> sizes;  // rows, and the bytes of a line where given
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else {
      const char* bytes = std::strchr(argv[i], 'x');
      sizes.emplace_back(std::atoi(argv[i]), bytes ? std::atoi(bytes + 1) : 0);
    }
  }
  if (sizes.empty()) sizes = {{1000000, 0}, {5000000, 0}};
  const QString self = QCoreApplication::applicationFilePath();
  for (const auto& [rows, lineBytes] : sizes) {
    const std::string loadBefore = loadAverage();
    QTemporaryDir full;
    QTemporaryDir empty;
    const std::string folder = full.path().toStdString();
    const std::string standard = folder + "/" + scores::kStandardFile;
    const std::string expert = folder + "/" + scores::kExpertFile;
    const std::string pristineStandard = folder + "/standard.copy";
    const std::string pristineExpert = folder + "/expert.copy";
    writeScoreFile(pristineStandard, rows, lineBytes, 1);
    writeScoreFile(pristineExpert, rows, lineBytes, 2);
    const std::vector<std::string> lines = linesOf(pristineStandard);
    double fileBytes = 0;
    for (const std::string& line : lines) fileBytes += static_cast<double>(line.size() + 1);
    fileBytes *= 2;  // the expert file is as large, give or take a few bytes

    std::map<std::string, std::vector<double>> ours;
    std::vector<double> sortTimes;
    std::vector<double> writeTimes;
    const std::vector<std::string> expertLines = linesOf(pristineExpert);
    for (int run = 0; run < runs; ++run) {
      std::filesystem::copy_file(pristineStandard, standard, std::filesystem::copy_options::overwrite_existing);
      std::filesystem::copy_file(pristineExpert, expert, std::filesystem::copy_options::overwrite_existing);
      for (const auto& [key, value] : runChild(self, {}, 0)) ours["plain-" + key].push_back(value);
      for (const auto& [key, value] : runChild(self, empty.path(), 0)) ours["empty-" + key].push_back(value);
      for (const auto& [key, value] : runChild(self, full.path(), rows)) ours[key].push_back(value);
      // The floors, in the same turns.
      std::vector<std::string> sorted = lines;
      auto begin = Clock::now();
      std::sort(sorted.begin(), sorted.end());
      sortTimes.push_back(millisecondsSince(begin));
      begin = Clock::now();
      for (const std::vector<std::string>* each : {&lines, &expertLines}) {
        const std::string path = folder + "/floor.txt";
        std::FILE* out = std::fopen(path.c_str(), "wb");
        for (const std::string& line : *each) {
          std::fwrite(line.data(), 1, line.size(), out);
          std::fputc('\n', out);
        }
        std::fflush(out);
        ::fsync(fileno(out));
        std::fclose(out);
      }
      writeTimes.push_back(millisecondsSince(begin));
    }
    report(rows, runs, fileBytes / 1e6, ours, {{"sort", median(sortTimes)}, {"write", median(writeTimes)}}, loadBefore);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool child = argc > 1 && (std::string(argv[1]) == "--game" || std::string(argv[1]) == "--plain");
  if (child && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 5 && std::string(argv[1]) == "--game") {
    return runGame(argc, argv, argv[2], std::atoi(argv[3]), std::atoll(argv[4]));
  }
  if (argc == 3 && std::string(argv[1]) == "--plain") return runPlainWindow(argc, argv, std::atoll(argv[2]));
  return runBench(argc, argv);
}
