// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/picture_registry.h"

#include <QPixmap>

#include <map>

namespace fw {

namespace {

struct Picture {
  PictureMaker make;
  QPixmap made;
  bool ready = false;
};

// Never destroyed: pixmaps must not outlive the application object at exit.
std::map<int, Picture>& pictures() {
  static auto* all = new std::map<int, Picture>;
  return *all;
}

}  // namespace

void definePicture(int number, PictureMaker make) { pictures()[number] = {std::move(make), {}, false}; }

const QPixmap& picture(int number) {
  Picture& p = pictures()[number];
  if (!p.ready && p.make) {
    p.made = p.make();
    p.ready = true;
  }
  return p.made;
}

}  // namespace fw
