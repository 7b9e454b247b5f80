// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Conversions between the game's plain types and Qt's, for the adapter and the ui only.

#include <QApplication>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "framework/controls.h"
#include "framework/look.h"

namespace fw {

inline QString toQ(const std::string& text) { return QString::fromStdString(text); }
inline QString toQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

// The layout's font at the size, in pixels, and style.
inline QFont toQFont(Font font) {
  QFont f = layoutFont(font.size);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

}  // namespace fw
