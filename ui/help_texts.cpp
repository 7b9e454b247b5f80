// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_texts.h"

// Paragraphs that both help texts share, joined at compile time.
#define VELTRANO_TIMER_PARAGRAPHS                                                                              \
  "Every 12 seconds of game time the maximum possible score decreases by 1 point.\n\n"                        \
  "New in this version: You can opt to disable the timer by clicking the check box labeled \"Static "        \
  "Version.\"\n\n"                                                                                            \
  "If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty "        \
  "corresponds to a loss of 1 minute of time. \n\n"                                                           \
  "When you press \"Done\" any numbers that are in the wrong places will be blanked out and your score will " \
  "be reduced accordingly.\n\n"

#define VELTRANO_EASY_PARAGRAPH                                                                      \
  "Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score " \
  "will be lowered. You can play that game or press start again to get a new set of numbers."

#define VELTRANO_SORTING_PARAGRAPH                                                                          \
  "Clicking the word \"Score\" at the top right of the list and it will be resorted bottom score to top "    \
  "score. Another click will arrange it again top to bottom. Clicking the word \"Name\" will sort it "       \
  "alphabetically in reverse order. A second click restores the alphabetical list."

namespace ui {

const char* const kSupportLink = "mailto:support@veltrano.example";

const char* const kStandardRules =
    "When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the "
    "picture at the left.\n\n"
    "The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and "
    "diagonals add up as in the illustration at the left and discussed below.\n\n"
    "The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers "
    "displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.\n\n"
    VELTRANO_TIMER_PARAGRAPHS VELTRANO_EASY_PARAGRAPH;

const char* const kStandardScoreList = VELTRANO_SORTING_PARAGRAPH;

const char* const kExpertRules =
    "When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in "
    "the picture at the left.\n\n"
    "The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and "
    "diagonals multiply to give he numbers at their ends as shown in the illustration at the left and "
    "discussed below.\n\n"
    "The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply "
    "to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers "
    "displayed here as 24, 315, and 48.\n\n"
    VELTRANO_TIMER_PARAGRAPHS
    "You can use the calculator at the top to help with the multiplication.\n\n"
    VELTRANO_EASY_PARAGRAPH;

const char* const kExpertScoreList =
    "When you switch to the expert mode you get a different set of scores which apply to this mode only.\n\n"
    VELTRANO_SORTING_PARAGRAPH;

const char* const kAboutText = "Veltrano ver " VELTRANO_VERSION;

}  // namespace ui

#undef VELTRANO_TIMER_PARAGRAPHS
#undef VELTRANO_EASY_PARAGRAPH
#undef VELTRANO_SORTING_PARAGRAPH
