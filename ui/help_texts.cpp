// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_texts.h"

#include <QCoreApplication>

#include <initializer_list>

namespace ui {

namespace {

// A paragraph at a time, as a translator reads them; the paragraphs both
// help texts share are translated once.
const char* const kStandardExample = QT_TRANSLATE_NOOP("HelpTexts",
    "When you start you will be given the numbers like 18, 15, 18, 6, 21, 11, 15, and 19 displayed in the "
    "picture at the left.");
const char* const kStandardIdea = QT_TRANSLATE_NOOP("HelpTexts",
    "The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and "
    "diagonals add up as in the illustration at the left and discussed below.");
const char* const kStandardTargets = QT_TRANSLATE_NOOP("HelpTexts",
    "The diagonals must add up to numbers displayed here as 18 and 15. The rows add up to the numbers "
    "displayed here as 18, 6, and 21. The columns add up to the numbers displayed here as 19, 15, and 11.");
const char* const kExpertExample = QT_TRANSLATE_NOOP("HelpTexts",
    "When you start you will be given the numbers like 126, 28, 108, 112, 30, 48, 315, and 24 displayed in "
    "the picture at the left.");
const char* const kExpertIdea = QT_TRANSLATE_NOOP("HelpTexts",
    "The idea is to enter the numbers 1 through 9 in the middle nine blocks so that the rows, columns and "
    "diagonals multiply to give he numbers at their ends as shown in the illustration at the left and "
    "discussed below.");
const char* const kExpertTargets = QT_TRANSLATE_NOOP("HelpTexts",
    "The diagonal numbers must multiply to give the numbers displayed here as 126 and 28. The rows multiply "
    "to give the numbers displayed here as 108, 112, and 30. The columns multiply to give the numbers "
    "displayed here as 24, 315, and 48.");
const char* const kClock = QT_TRANSLATE_NOOP("HelpTexts",
    "Every 12 seconds of game time the maximum possible score decreases by 1 point.");
const char* const kStaticVersion = QT_TRANSLATE_NOOP("HelpTexts",
    "New in this version: You can opt to disable the timer by clicking the check box labeled \"Static "
    "Version.\"");
const char* const kBuying = QT_TRANSLATE_NOOP("HelpTexts",
    "If you use the help buttons you will get a number in one of the  blank squares. A 5 point penalty "
    "corresponds to a loss of 1 minute of time. ");
const char* const kDone = QT_TRANSLATE_NOOP("HelpTexts",
    "When you press \"Done\" any numbers that are in the wrong places will be blanked out and your score will "
    "be reduced accordingly.");
const char* const kCalculator = QT_TRANSLATE_NOOP("HelpTexts",
    "You can use the calculator at the top to help with the multiplication.");
const char* const kEasy = QT_TRANSLATE_NOOP("HelpTexts",
    "Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score "
    "will be lowered. You can play that game or press start again to get a new set of numbers.");
const char* const kSorting = QT_TRANSLATE_NOOP("HelpTexts",
    "Clicking the word \"Score\" at the top right of the list and it will be resorted bottom score to top "
    "score. Another click will arrange it again top to bottom. Clicking the word \"Name\" will sort it "
    "alphabetically in reverse order. A second click restores the alphabetical list.");
const char* const kExpertScores = QT_TRANSLATE_NOOP("HelpTexts",
    "When you switch to the expert mode you get a different set of scores which apply to this mode only.");

// The paragraphs, translated, with an empty line between them.
QString paragraphs(std::initializer_list<const char*> texts) {
  QString joined;
  for (const char* text : texts) {
    if (!joined.isEmpty()) joined += "\n\n";
    joined += QCoreApplication::translate("HelpTexts", text);
  }
  return joined;
}

}  // namespace

const char* const kSupportLink = "mailto:support@veltrano.example";

QString standardRules() {
  return paragraphs({kStandardExample, kStandardIdea, kStandardTargets, kClock, kStaticVersion, kBuying, kDone, kEasy});
}

QString standardScoreList() { return paragraphs({kSorting}); }

QString expertRules() {
  return paragraphs(
      {kExpertExample, kExpertIdea, kExpertTargets, kClock, kStaticVersion, kBuying, kDone, kCalculator, kEasy});
}

QString expertScoreList() { return paragraphs({kExpertScores, kSorting}); }

QString aboutText() { return QCoreApplication::translate("HelpTexts", "Veltrano ver %1").arg(VELTRANO_VERSION); }

}  // namespace ui
