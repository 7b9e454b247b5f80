// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The texts of the help and About windows, in the player's language.

#include <QString>

namespace ui {

extern const char* const kSupportLink;
QString standardRules();
QString standardScoreList();
QString expertRules();
QString expertScoreList();
QString aboutText();

}  // namespace ui
