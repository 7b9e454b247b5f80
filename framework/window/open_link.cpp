// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/open_link.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cstdlib>

#include <unistd.h>

#include "files/folder.h"
#include "framework/window/message_dialog.h"

namespace fw {

void openLink(const std::string& url) {
  // The desktop's handler, run as root with a player's HOME (sudo keeps it),
  // would write there as root: a program run so names the address instead.
  const char* home = std::getenv("HOME");
  if (::geteuid() == 0 && home && rightsInFolder(home).user != 0) {
    MessageDialog dialog;
    const std::string address = url.starts_with("mailto:") ? url.substr(7) : url;
    dialog.message = QCoreApplication::translate("fw::Application", "The game runs as root, so it opens no other program.")
                         .toStdString();
    //: %1 is the support's e-mail address.
    dialog.explanation = QCoreApplication::translate("fw::Application", "Write to %1 from your own account.")
                             .arg(QString::fromStdString(address))
                             .toStdString();
    dialog.cancelVisible = false;
    dialog.open();
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace fw
