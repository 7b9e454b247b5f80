// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

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

}  // namespace

std::optional<int> handleCommandLine(int argc, char* argv[]) {
  // A core application needs no display; it gives the parser the program's name.
  int coreArgc = argc;
  QCoreApplication core(coreArgc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "A number puzzle against the clock: fill the 3 x 3 grid with the digits 1 to 9\n"
      "so that every row, column and diagonal meets its target.");
  // Qt's options take one dash (-style); so may ours (-help).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
  parser.addOption(help);
  parser.addOption(version);
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(qt.name, QString(), qt.valueName ? qt.valueName : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  if (!parser.parse(core.arguments())) {
    print(stderr, "veltrano: " + parser.errorText() + "\n" + parser.helpText());
    return kUsageError;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(stderr, "veltrano: unexpected argument '" + parser.positionalArguments().constFirst() + "'.\n" +
                      parser.helpText());
    return kUsageError;
  }
  if (parser.isSet(help)) {
    print(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("veltrano %1\n").arg(VELTRANO_VERSION));
    return 0;
  }
  return std::nullopt;
}
