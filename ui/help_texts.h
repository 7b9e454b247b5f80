// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The texts of the help and About windows.

namespace ui {

extern const char* const kSupportLink;
extern const char* const kStandardRules;
extern const char* const kStandardScoreList;
extern const char* const kExpertRules;
extern const char* const kExpertScoreList;
extern const char* const kAboutText;

}  // namespace ui
