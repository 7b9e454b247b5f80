// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_texts.h"

#include <QCoreApplication>

#include <initializer_list>

#include "game/game.h"

namespace ui {

namespace {

// A paragraph at a time, as a translator reads them; the paragraphs both
// help texts share are translated once. Each is wrapped in the help window's
// column at 12 px: 325 px wide in the standard help, 298 px in the expert help.
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
//: %n is the seconds of the game clock's period (12); each period costs 1 point.
const char* const kClock = QT_TRANSLATE_N_NOOP("HelpTexts",
    "Every %n seconds of game time the maximum possible score decreases by 1 point.");
//: Quotes the check box "Static Version" (it stops the clock): write its translation.
const char* const kStaticVersion = QT_TRANSLATE_NOOP("HelpTexts",
    "New in this version: You can opt to disable the timer by clicking the check box labeled \"Static "
    "Version.\"");
//: The "help buttons" are the buy buttons. %n is the points the first of them
//: costs (5), %1 the time that stands for, "1 minute" as in its caption.
const char* const kBuying = QT_TRANSLATE_N_NOOP("HelpTexts",
    "If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty "
    "corresponds to a loss of %1 of time. ");
//: The time a purchase stands for, in the help: "1 minute" in "A 5 point penalty corresponds to a loss of
//: 1 minute of time".
const char* const kMinutes = QT_TRANSLATE_N_NOOP("HelpTexts", "%n minute(s)");
//: Quotes the button "Done": write its translation.
const char* const kDone = QT_TRANSLATE_NOOP("HelpTexts",
    "When you press \"Done\" any numbers that are in the wrong places will be blanked out and your score will "
    "be reduced accordingly.");
const char* const kCalculator = QT_TRANSLATE_NOOP("HelpTexts",
    "You can use the calculator at the top to help with the multiplication.");
//: "start" is the button "Start": write its translation.
const char* const kEasy = QT_TRANSLATE_NOOP("HelpTexts",
    "Certain numbers can make the puzzle easier to solve. When this happens the maximum possible score "
    "will be lowered. You can play that game or press start again to get a new set of numbers.");
//: Quotes the headings "Score" and "Name" of the score list: write their translations.
const char* const kSorting = QT_TRANSLATE_NOOP("HelpTexts",
    "Clicking the word \"Score\" at the top right of the list and it will be resorted bottom score to top "
    "score. Another click will arrange it again top to bottom. Clicking the word \"Name\" will sort it "
    "alphabetically in reverse order. A second click restores the alphabetical list.");
const char* const kExpertScores = QT_TRANSLATE_NOOP("HelpTexts",
    "When you switch to the expert mode you get a different set of scores which apply to this mode only.");

QString translated(const char* text, int count = -1) {
  return QCoreApplication::translate("HelpTexts", text, nullptr, count);
}

// The numbers said come from the game's rules.
QString clock() { return translated(kClock, game::kSecondsPerPoint); }

QString buying() {
  const int cost = game::kBuyButtons[0].cost;
  return translated(kBuying, cost).arg(translated(kMinutes, cost * game::kSecondsPerPoint / 60));
}

// The paragraphs, translated, with an empty line between them.
QString paragraphs(std::initializer_list<QString> texts) {
  QString joined;
  for (const QString& text : texts) {
    if (!joined.isEmpty()) joined += "\n\n";
    joined += text;
  }
  return joined;
}

}  // namespace

const char* const kSupportLink = "mailto:support@veltrano.example";

QString standardRules() {
  return paragraphs({translated(kStandardExample), translated(kStandardIdea), translated(kStandardTargets), clock(),
                     translated(kStaticVersion), buying(), translated(kDone), translated(kEasy)});
}

QString standardScoreList() { return paragraphs({translated(kSorting)}); }

QString expertRules() {
  return paragraphs({translated(kExpertExample), translated(kExpertIdea), translated(kExpertTargets), clock(),
                     translated(kStaticVersion), buying(), translated(kDone), translated(kCalculator),
                     translated(kEasy)});
}

QString expertScoreList() { return paragraphs({translated(kExpertScores), translated(kSorting)}); }

//: The About window's line under the game's name; %1 is the version number, "3.2".
QString aboutText() { return QCoreApplication::translate("HelpTexts", "Veltrano ver %1").arg(VELTRANO_VERSION); }

}  // namespace ui
