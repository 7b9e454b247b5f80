#include "framework/prefs_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace fw {

namespace {

std::string& folderOverride() {
  static std::string path;
  return path;
}

QString toQ(const std::string& path) { return QString::fromStdString(path); }

}  // namespace

std::string preferencesFolder() {
  if (!folderOverride().empty()) return folderOverride();
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

void setPreferencesFolder(std::string path) { folderOverride() = std::move(path); }

std::string preferencesFile(const std::string& name) {
  return QDir(toQ(preferencesFolder())).filePath(toQ(name)).toStdString();
}

bool fileExists(const std::string& path) { return QFileInfo::exists(toQ(path)); }

std::optional<std::vector<std::string>> readLines(const std::string& path) {
  QFile file(toQ(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  std::vector<std::string> lines;
  qsizetype begin = 0;
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size; ++i) {
    const char c = bytes[i];
    if (c != '\n' && c != '\r') continue;
    lines.emplace_back(bytes.constData() + begin, static_cast<std::size_t>(i - begin));
    if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < size) lines.emplace_back(bytes.constData() + begin, static_cast<std::size_t>(size - begin));
  return lines;
}

bool replaceWithLines(const std::string& path, const std::vector<std::string>& lines) {
  QDir().mkpath(QFileInfo(toQ(path)).absolutePath());
  QSaveFile file(toQ(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\n');
  }
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool appendLine(const std::string& path, const std::string& line) {
  QDir().mkpath(QFileInfo(toQ(path)).absolutePath());
  QFile file(toQ(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
  bytes.append('\n');
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  file.close();
  return written;
}

}  // namespace fw
