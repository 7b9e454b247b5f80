// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/prefs_files.h"

#include "framework/qt_conversions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

namespace fw {

namespace {

std::string folderOverride;
bool failBeforeReplacing = false;

}  // namespace

std::string preferencesFolder() {
  if (!folderOverride.empty()) return folderOverride;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

void setPreferencesFolder(std::string path) { folderOverride = std::move(path); }

std::string preferencesFile(const std::string& name) {
  const std::string folder = preferencesFolder();
  if (folder.empty()) return {};
  return QDir(toQ(folder)).filePath(toQ(name)).toStdString();
}

bool fileExists(const std::string& path) { return !path.empty() && QFileInfo::exists(toQ(path)); }

std::optional<std::string> readFile(const std::string& path) {
  QFile file(toQ(path));
  if (path.empty() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(file.size()), '\0');
  const qint64 read = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
  if (read < 0) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(read));
  // A file that grew while it was read (or reports no size) gives the rest too.
  const QByteArray rest = file.readAll();
  bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  QDir().mkpath(QFileInfo(toQ(path)).absolutePath());
  QSaveFile file(toQ(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  // The new bytes reach the disk before they take the old file's place, so
  // not even a power cut leaves a half-written list behind.
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.flush() || ::fsync(file.handle()) != 0 || failBeforeReplacing) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool appendLine(const std::string& path, std::string_view line) {
  if (path.empty()) return false;
  QDir().mkpath(QFileInfo(toQ(path)).absolutePath());
  QFile file(toQ(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  std::string bytes(line);
  bytes += '\n';
  const bool written = file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
                       file.flush();
  file.close();
  return written && file.error() == QFileDevice::NoError;
}

void setFailSavesBeforeReplacing(bool fail) { failBeforeReplacing = fail; }

}  // namespace fw
