// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "app/language.h"

namespace {

// Exit status for a command line the game does not understand, as other tools use.
constexpr int kUsageError = 2;

struct QtOption {
  const char* name;
  const char* valueName;  // nullptr for a flag
};

// The options QApplication reads itself; accepted here so they reach it.
constexpr QtOption kQtOptions[] = {
    {"platform", "name"},      {"platformpluginpath", "path"}, {"platformtheme", "name"},
    {"plugin", "plugin"},      {"qwindowgeometry", "geometry"}, {"qwindowicon", "icon"},
    {"qwindowtitle", "title"}, {"session", "session"},          {"display", "display"},
    {"geometry", "geometry"},  {"style", "style"},              {"stylesheet", "file"},
    {"reverse", nullptr},      {"widgetcount", nullptr},        {"nograb", nullptr},
    {"dograb", nullptr},       {"sync", nullptr},
};

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

// The context of the command line's texts in the catalogues.
struct CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Options {
  QCommandLineOption help{{"h", "help"}, CommandLine::tr("Show this help and exit.")};
  QCommandLineOption version{{"v", "version"}, CommandLine::tr("Show the version and exit.")};
  QCommandLineOption language{"language",
                              //: %1 lists the languages' codes, "de, en, es, fr".
                              CommandLine::tr("Show the game in this language: %1. Without it, the game speaks "
                                              "the desktop's language, or English.")
                                  .arg(availableLanguages().join(", ")),
                              //: The value of the option --language in the usage: "--language <language>".
                              CommandLine::tr("language")};
};

// The game's options and Qt's, described in the language installed now.
void addOptions(QCommandLineParser& parser, const Options& options) {
  parser.setApplicationDescription(
      CommandLine::tr("A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9\n"
                      "so that every row, column and diagonal meets its target."));
  // Qt's options take one dash (-style); so may ours (-help).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(options.help);
  parser.addOption(options.version);
  parser.addOption(options.language);
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(qt.name, QString(), qt.valueName ? qt.valueName : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The language --language asks for, where the game has it, else the desktop's.
QString languageToSpeak(const QStringList& arguments, const QStringList& available) {
  QCommandLineParser first;
  const Options options;
  addOptions(first, options);
  // Also when the rest is wrong: the error is told in the language asked for.
  (void)first.parse(arguments);
  const QString asked = languageOfLocaleName(first.value(options.language));
  if (!first.isSet(options.language) || !available.contains(asked)) {
    return desktopLanguage(available, [](const char* variable) { return qgetenv(variable); });
  }
  // The system's own words in a reason (a file "is a directory") follow
  // it too: the C library reads LANGUAGE before the locale's language.
  qputenv("LANGUAGE", asked.toLocal8Bit());
  return asked;
}

}  // namespace

std::optional<int> handleCommandLine(int argc, char* argv[], QString& language) {
  // A core application needs no display; it gives the parser the program's name.
  int coreArgc = argc;
  QCoreApplication core(coreArgc, argv);

  // The language first, so that the rest is told in it.
  const QStringList available = availableLanguages();
  language = languageToSpeak(core.arguments(), available);
  Language catalogues(language);
  catalogues.install();

  QCommandLineParser parser;
  const Options options;
  addOptions(parser, options);
  if (!parser.parse(core.arguments())) {
    print(stderr, "veltrano: " + parser.errorText() + "\n" + parser.helpText());
    return kUsageError;
  }
  if (parser.isSet(options.language) && !available.contains(languageOfLocaleName(parser.value(options.language)))) {
    print(stderr, "veltrano: " +
                      //: %1 is what the player asked for, %2 lists the languages' codes, "de, en, es, fr".
                      CommandLine::tr("there is no language '%1'; choose one of: %2.")
                          .arg(parser.value(options.language), available.join(", ")) +
                      "\n");
    return kUsageError;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(stderr, "veltrano: " +
                      //: %1 is the argument given, which the game does not take.
                      CommandLine::tr("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()) +
                      "\n" + parser.helpText());
    return kUsageError;
  }
  if (parser.isSet(options.help)) {
    print(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(options.version)) {
    print(stdout, QStringLiteral("veltrano %1\n").arg(VELTRANO_VERSION));
    return 0;
  }
  return std::nullopt;
}
