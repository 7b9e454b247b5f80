// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The application's picture resources, by number. Each is made on first use
// and kept for the life of the process.

#include <functional>

class QPixmap;

namespace fw {

using PictureMaker = std::function<QPixmap()>;

void definePicture(int number, PictureMaker make);
// The picture of that number; an empty picture when none is defined.
const QPixmap& picture(int number);

}  // namespace fw
