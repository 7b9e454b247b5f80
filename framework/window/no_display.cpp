// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/no_display.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace fw {

namespace {

QStringList heldMessages;
const QTranslator* noDisplayLanguage = nullptr;
QString program;

QString inLanguage(const char* text) {
  const QString translated = noDisplayLanguage ? noDisplayLanguage->translate("fw::Application", text) : QString();
  return translated.isEmpty() ? QString(text) : translated;
}

void holdOrSayNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.append(message);
    return;
  }
  const QByteArray display = qgetenv("DISPLAY");
  const QString problem =
      display.isEmpty()
          //: %1 is the program's command.
          ? inLanguage(QT_TRANSLATE_NOOP("fw::Application",
                                         "no display found; run it on a desktop, or headless with: xvfb-run -a %1"))
                .arg(program)
          //: %1 is the display's name, ":0"; %2 the program's command.
          : inLanguage(QT_TRANSLATE_NOOP("fw::Application", "cannot open the display %1; run it on a desktop, or "
                                                            "headless with: xvfb-run -a %2"))
                .arg(QString::fromLocal8Bit(display), program);
  std::fprintf(stderr, "%s: %s\n", qPrintable(program), problem.toLocal8Bit().constData());
  std::_Exit(1);
}

}  // namespace

void sayNoDisplayInOneLine(const char* command, const QTranslator* language) {
  program = QString::fromUtf8(command);
  noDisplayLanguage = language;
  qInstallMessageHandler(holdOrSayNoDisplay);
}

void displayOpened() {
  qInstallMessageHandler(nullptr);
  for (const QString& message : std::exchange(heldMessages, {})) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace fw
