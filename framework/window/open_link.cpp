// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/open_link.h"

#include <QDesktopServices>
#include <QUrl>

#include <cstdlib>

#include <unistd.h>

#include "files/folder.h"

namespace fw {

bool openLink(const std::string& url) {
  // The desktop's handler, run as root with a user's HOME (sudo keeps it),
  // would write there as root.
  const char* home = std::getenv("HOME");
  if (::geteuid() == 0 && home && rightsInFolder(home).user != 0) return false;
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
  return true;
}

}  // namespace fw
