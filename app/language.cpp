// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where the build puts the game's compiled catalogues, veltrano_LANGUAGE.qm.
const QString kCatalogues = QStringLiteral(":/translations");
const QString kPrefix = QStringLiteral("veltrano_");

}  // namespace

QStringList availableLanguages() {
  QStringList languages{QStringLiteral("en")};
  for (const QString& file : QDir(kCatalogues).entryList({kPrefix + "*.qm"}, QDir::Files)) {
    const QString language = file.mid(kPrefix.size()).chopped(3);
    if (!languages.contains(language)) languages << language;
  }
  languages.sort();
  return languages;
}

QString languageOfLocaleName(const QString& name) {
  // language[_territory][.codeset][@modifier]; some desktops write "de-DE".
  QString language = name.section('.', 0, 0).section('@', 0, 0).section('_', 0, 0).section('-', 0, 0);
  if (language == "C" || language == "POSIX") return QStringLiteral("en");
  return language.toLower();
}

QString desktopLanguage(const QStringList& available, const EnvironmentReader& environment) {
  const auto known = [&](const QString& name) {
    const QString language = languageOfLocaleName(name);
    return available.contains(language) ? language : QString();
  };
  // A list of languages in the order the player prefers them.
  const QString preferred = QString::fromLocal8Bit(environment("LANGUAGE"));
  if (!preferred.isEmpty()) {
    for (const QString& name : preferred.split(':', Qt::SkipEmptyParts)) {
      if (const QString language = known(name); !language.isEmpty()) return language;
    }
    return QStringLiteral("en");
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString name = QString::fromLocal8Bit(environment(variable));
    if (name.isEmpty()) continue;
    const QString language = known(name);
    return language.isEmpty() ? QStringLiteral("en") : language;
  }
  return QStringLiteral("en");
}

Language::Language(const QString& language) {
  // Built in, so it cannot be missing; a failed load would leave the source texts.
  (void)game_.load(kPrefix + language, kCatalogues);
  // From the system's Qt translations; without them Qt's few own words stay English.
  if (language != "en") (void)qt_.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language::~Language() {
  if (!QCoreApplication::instance()) return;
  QCoreApplication::removeTranslator(&game_);
  QCoreApplication::removeTranslator(&qt_);
}

void Language::install() {
  if (!game_.isEmpty()) QCoreApplication::installTranslator(&game_);
  if (!qt_.isEmpty()) QCoreApplication::installTranslator(&qt_);
}
