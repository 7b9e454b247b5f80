// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The language the game speaks: the desktop's, or the one the player asks
// for, among those whose catalogue is built into the game.

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>

// "en" and the language of every catalogue built in, sorted: adding a
// catalogue to translations/ adds its language, with no change here.
QStringList availableLanguages();

// The language of a locale or language name: "de_AT.UTF-8@euro" is "de";
// "C" and "POSIX" (with any encoding) are "en". Empty for an empty name.
QString languageOfLocaleName(const QString& name);

// The language the desktop asks for, as gettext reads it: the first of
// LANGUAGE (a list, "fr:de"), LC_ALL, LC_MESSAGES and LANG that is set. A
// language the game lacks gives English, as C and POSIX do.
using EnvironmentReader = std::function<QByteArray(const char* variable)>;
QString desktopLanguage(const QStringList& available, const EnvironmentReader& environment);

// The catalogues of a language: the game's and Qt's own (its dialog
// buttons, the context menu of a text field), installed into the
// application that exists while they are. English loads the game's plural
// forms and nothing of Qt.
class Language {
public:
  explicit Language(const QString& language);
  ~Language();
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;

  // Into the QCoreApplication there is now; a later one needs it again.
  void install();
  // The game's catalogue, for words said before there is an application.
  const QTranslator* gameCatalogue() const { return &game_; }

private:
  QTranslator game_;
  QTranslator qt_;
};
