// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/application.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>


namespace fw {

namespace {

bool quitting = false;
bool unattended = false;
int signalPipe[2] = {-1, -1};
std::function<void()> saveRequest;

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// Ends every open dialog: a dialog may have no button that closes it, and it
// would stop the windows behind it from closing.
void endDialogs() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialog->done(QDialog::Rejected);
  }
}

// Closes every visible window; false when one stays open.
bool closeAllWindows() {
  for (;;) {
    QWidget* open = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible() && widget->windowType() != Qt::Desktop) open = widget;
    }
    if (!open) return true;
    if (!open->close()) return false;
  }
}

void quit(int status, bool asked) {
  if (!asked) unattended = true;
  endDialogs();
  // A quit under way goes on from where it stands; a question it was asking has just ended.
  if (quitting) return;
  quitting = true;
  if (!closeAllWindows() && !unattended) {
    quitting = false;
    return;
  }
  QCoreApplication::exit(status);
}

// The system's own request to quit (the end of the session, the last window
// closed) takes the same way out.
class QuitRequestFilter final : public QObject {
  Q_OBJECT

public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != qApp || event->type() != QEvent::Quit) return false;
    quit(0, false);
    return true;
  }
};

}  // namespace

void quitApplication(int status) { quit(status, true); }

bool isQuitting() { return quitting; }

bool userCanBeAsked() { return !unattended; }

void quitOnTerminationRequests(std::function<void()> onSaveRequest) {
  saveRequest = std::move(onSaveRequest);
  if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
    quit(0, false);
  });
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);

  qApp->installEventFilter(new QuitRequestFilter(qApp));
  // Qt ends the process at once when the display's connection breaks (the
  // display server went away with the session): save on the way out, also
  // when that cuts short a quit whose save failed and whose question is still
  // open. A quit that ends the event loop has saved (or the user chose not
  // to) by the time the application object is gone.
  std::atexit([] {
    if (!QCoreApplication::instance() || !saveRequest) return;
    unattended = true;
    saveRequest();
  });
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager&) { handleSaveRequest(); });
}

void handleSaveRequest() {
  if (!saveRequest) return;
  // Nobody may be at the screen to answer: failures go to standard error.
  const bool wasUnattended = unattended;
  unattended = true;
  saveRequest();
  unattended = wasUnattended;
}

}  // namespace fw

#include "application.moc"
