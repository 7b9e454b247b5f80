// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/game_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>
#include <utility>

#include "framework/list/list_accessibility.h"
#include "framework/window/application.h"
#include "framework/window/message_dialog.h"
#include "framework/window/widgets.h"
#include "ui/board_layout.h"
#include "ui/look.h"

namespace ui {

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr const char* kPurchases[] = {
    //: A screen reader's name of the first buy button; %1 is its caption, "1 minute (5 points)".
    QT_TRANSLATE_NOOP("ui::GameWindow", "first purchase, %1"),
    //: A screen reader's name of the second buy button; %1 is its caption, "3 minutes (15 points)".
    QT_TRANSLATE_NOOP("ui::GameWindow", "second purchase, %1"),
    //: A screen reader's name of the third buy button; %1 is its caption, "3 minutes (15 points)".
    QT_TRANSLATE_NOOP("ui::GameWindow", "third purchase, %1"),
    //: A screen reader's name of the fourth buy button; %1 is its caption, "3 minutes (15 points)".
    QT_TRANSLATE_NOOP("ui::GameWindow", "fourth purchase, %1")};
// The colour of a square bought with each buy button.
constexpr std::array<QRgb, game::kBuyButtons.size()> kBoughtColours = {0x66FFFF, 0x66FF66, 0xFFFF66, 0xFF8000};

QString textOf(const std::optional<int>& number) { return number ? QString::number(*number) : QString(); }

// A value beside its caption: a screen reader says both, e.g. "Your Score: 56".
void showValue(QLabel* label, const QString& caption, const QString& value) {
  if (label->text() == value && !label->accessibleName().isEmpty()) return;
  label->setText(value);
  //: What a screen reader says of a score or the product: %1 is its caption
  //: ("Your Score"), %2 the number shown.
  label->setAccessibleName(value.isEmpty() ? caption : GameWindow::tr("%1: %2", "caption: value").arg(caption, value));
}

// What a screen reader says of a bought digit and the square it went to.
QString boughtIn(int digit, int square) {
  const QString where = QString::fromStdString(spokenNameOf(game::squareCell(square)));
  //: %1 is the digit bought, %2 the square it went to ("row 2, column 3").
  if (digit != 0) return GameWindow::tr("%1 bought in %2").arg(QString::number(digit), where);
  // Before the first puzzle a purchase leaves its square empty.
  //: A purchase made before the first game, which leaves the square empty;
  //: %1 is the square ("row 2, column 3").
  return GameWindow::tr("a square bought in %1").arg(where);
}

void showText(QLineEdit* field, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  // Setting the same text again would move the insertion point and forget the undo history.
  if (field->text() != shown) field->setText(shown);
}

void showBackground(QLineEdit* field, QRgb colour) {
  if (field->palette().color(QPalette::Base).rgb() == QColor(colour).rgb()) return;
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, QColor(colour));
  field->setPalette(palette);
}

struct Said {
  const char* shown;
  const char* begun;
  const char* done;
};
// What the list shows at its foot, and what a reader hears as the step
// begins and ends; a record's own news says when it is done.
constexpr Said kSteps[] = {
    //: Shown at the foot of a score list while its file is read: 150 pixels at most.
    {QT_TRANSLATE_NOOP("ui::GameWindow", "Reading…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "Reading %1…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "%1 read")},
    //: Shown at the foot of a score list while it is sorted: 150 pixels at most.
    {QT_TRANSLATE_NOOP("ui::GameWindow", "Sorting…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "Sorting %1…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "%1 sorted")},
    //: Shown at the foot of a score list while it is saved: 150 pixels at most.
    {QT_TRANSLATE_NOOP("ui::GameWindow", "Saving…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "Saving %1…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "%1 saved")},
    //: Shown at the foot of a score list while a score is added to its file: 150 pixels at most.
    {QT_TRANSLATE_NOOP("ui::GameWindow", "Recording…"),
     //: Said by a screen reader; %1 is the list's name, "Standard scores" or "Expert scores".
     QT_TRANSLATE_NOOP("ui::GameWindow", "Recording in %1…"), nullptr},
};

}  // namespace

GameWindow::GameWindow(game::Shuffler& shuffler, const std::string& scoresFolder, std::function<void()> showHelp)
    : fw::Window(windowFont()), shuffler_(shuffler), showHelp_(std::move(showHelp)), scores_(std::make_unique<ScoreLists>(scoresFolder)) {
  // The score files are read meanwhile.
  fw::installListAccessibility();
  setWindowTitle("Veltrano3");
  setContentSize(902, 673);
  makeControls();
  scores_->show(*standardList_, *expertList_);
  showSteps(*standardList_, scores_->model(game::Mode::Standard));
  showSteps(*expertList_, scores_->model(game::Mode::Expert));
  showGame();
}

void GameWindow::open() {
  // Play begins in the grid's first square, though Tab reaches the targets above it first.
  if (!opened_) squares_[0]->setFocus(Qt::OtherFocusReason);
  showInFront();
  if (std::exchange(opened_, true)) return;
  // The lists fill in as their files are read; what could not be read is
  // told from the event loop, over the game window, rather than before it shows.
  scores_->whenRead([this] { runSoon([this] { scores_->tellLoadProblems(); }); });
}

GameWindow::~GameWindow() = default;

bool GameWindow::keepOpen() {
  if (mayClose_) return false;
  // Nobody there to wait for the save or answer for it: it is done here and now.
  if (!fw::userCanBeAsked()) {
    saveScores();
    return false;
  }
  // The window stays until the lists are saved, and on if the player goes
  // back to the game after a failed save; a quit asked for goes on then.
  closeQuits_ = closeQuits_ || fw::isQuitting();
  closing_ = true;
  scores_->save([this](bool mayClose) {
    closing_ = false;
    const bool quit = std::exchange(closeQuits_, false);
    if (!mayClose) return;
    mayClose_ = true;
    quit ? fw::quitApplication(0) : void(close());
  });
  return true;
}

void GameWindow::saveScores() { scores_->saveHere(); }

QLineEdit*& GameWindow::fieldOf(game::Cell cell) {
  const auto index = static_cast<std::size_t>(cell.index);
  return cell.kind == game::Cell::Kind::Square ? squares_[index] : targets_[index];
}

void GameWindow::onStart() {
  game::startPuzzle(game_, shuffler_);
  // A new game's first point costs a whole period, also when the clock ran already.
  clock_->stop();
  showGame();
  // The targets stay where they are read on request; a reader is told that they are new.
  //: Said by a screen reader at Start; %1 is the number of points the new game starts at, 100 or less.
  announcer_->announce(tr("New game, maximum possible score %1").arg(game_.maximumScore));
}

void GameWindow::onDone() {
  game::finish(game_);
  showGame();
}

void GameWindow::onTick() {
  // Ticks keep coming while the game-over dialog waits, and while the lists
  // are saved for a Quit chosen there: one question is enough.
  if (gameOverShowing_ || closing_) return;
  const game::Tick outcome = game::tick(game_);
  showGame();
  if (outcome != game::Tick::GameOver) return;

  fw::MessageDialog dialog;
  dialog.icon = fw::MessageDialog::Icon::Note;
  dialog.actionCaption = tr("Quit").toStdString();
  dialog.cancelVisible = false;
  dialog.alternateVisible = true;
  dialog.alternateCaption = tr("Play Again").toStdString();
  dialog.message = tr("The game is over.").toStdString();
  dialog.explanation = tr("You can quit or play again. ").toStdString();
  gameOverShowing_ = true;
  dialog.open([this](fw::MessageDialog::Button chosen) {
    gameOverShowing_ = false;
    switch (chosen) {
      case fw::MessageDialog::Button::Action: fw::quitApplication(0); break;
      case fw::MessageDialog::Button::Alternate: startButton_->click(); break;
      case fw::MessageDialog::Button::Cancel: break;
    }
  });
}

void GameWindow::onBuy(int button) {
  const std::size_t before = game_.purchases.size();
  game::buy(game_, button, shuffler_);
  showGame();
  if (game_.purchases.size() == before) return;
  // The focused button's new name says where its digit went; a reader hears it once.
  if (buyButtons_[static_cast<std::size_t>(button)]->hasFocus()) return;
  const game::Purchase& bought = game_.purchases.back();
  announcer_->announce(boughtIn(game_.solution[static_cast<std::size_t>(bought.square)], bought.square));
}

void GameWindow::onModeChosen(game::Mode mode) {
  game::switchMode(game_, mode);
  showGame();
  // The radio button says only itself: the empty board and the other list are news.
  const bool standard = mode == game::Mode::Standard;
  announcer_->announce((standard ?
                                 //: Said by a screen reader as the mode is chosen; %1 is the list now
                                 //: shown, "Standard scores".
                                 tr("Standard mode: the board is empty until Start. %1 shown.")
                                 :
                                 //: Said by a screen reader as the mode is chosen; %1 is the list now
                                 //: shown, "Expert scores".
                                 tr("Expert mode: the board is empty until Start. %1 shown."))
                           .arg((standard ? standardList_ : expertList_)->accessibleName()));
}

void GameWindow::onHelp() {
  if (showHelp_) showHelp_();
}

void GameWindow::onQuit() { fw::quitApplication(0); }

void GameWindow::onScore() {
  nameCaption_->show();
  nameField_->show();
  recordButton_->show();
  // The name the player types next goes where it belongs.
  nameField_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::showSteps(fw::ListBox& list, ScoreListModel& model) {
  auto step = std::make_shared<int>(-1);
  connect(&model, &ScoreListModel::stepChanged, &list, [&list, step](int now) {
    if (now >= 0) *step = now;
    list.showWork(now < 0 ? QString() : tr(kSteps[now].shown));
  });
  // A reader hears of a long step once as it begins and once as it ends.
  connect(&list, &fw::ListBox::workShown, this, [this, &list, step](bool shown) {
    if (*step < 0) return;
    const char* news = shown ? kSteps[*step].begun : kSteps[*step].done;
    if (news) announcer_->announce(tr(news).arg(list.accessibleName()));
  });
  connect(&model, &ScoreListModel::sortFailed, &list, &fw::ListBox::tellSortFailed);
}

QString GameWindow::spokenRow(const fw::ListBox& list, int row) {
  return spokenRow(list.model()->index(row, 0).data().toString(), list.model()->index(row, 1).data().toString());
}

QString GameWindow::spokenRow(const QString& name, const QString& score) {
  //: A row of a score list as a screen reader says it: %1 is the player's name, %2 the score.
  return score.isEmpty() ? name : tr("%1, %2").arg(name, score);
}

void GameWindow::onRecord() {
  const fw::ListBox* list = game_.mode == game::Mode::Standard ? standardList_ : expertList_;
  const QString name = nameField_->text();
  const QString score = textOf(game_.score);
  // Said once the file step is done: a list being sorted or saved takes the row after.
  //: Said by a screen reader after Record; %1 is the row, name and score
  //: ("Ann, 56"), %2 the list's name, "Standard scores" or "Expert scores".
  const QString spoken = tr("%1 added to %2").arg(spokenRow(name, score), list->accessibleName());
  scores_->record(game_.mode, name.toStdString(), score.toStdString(), [this, spoken] { announcer_->announce(spoken); });
}

void GameWindow::showGame() {
  showBoard();
  showScores();
  showBuyButtons();
  showMode();
}

void GameWindow::showBoard() {
  for (const CellPlace& place : kCellPlaces) showText(fieldOf(place.cell), game_.shown(place.cell));
  for (int square = 0; square < game::kSquareCount; ++square) {
    const std::optional<int> buyer = game_.buyerOf(square);
    showBackground(squares_[static_cast<std::size_t>(square)],
                   buyer ? kBoughtColours[static_cast<std::size_t>(*buyer)] : kWhite);
  }
}

void GameWindow::showScores() {
  //: A screen reader's name of the number beside the caption "Maximum Possible Score:"; no limit of room.
  showValue(maximumScoreLabel_, tr("Maximum Possible Score"), QString::number(game_.maximumScore));
  //: A screen reader's name of the number beside the caption "Your Score:"; no limit of room.
  showValue(scoreLabel_, tr("Your Score"), textOf(game_.score));
  // The focus comes to "Score" when Done has counted: it says the score, which a reader then hears.
  //: A screen reader's name of the "Score" button once a game is done; %1 is the points scored.
  const QString scoreButtonName = game_.score ? tr("Score, your score: %1").arg(*game_.score) : QString();
  if (scoreButton_->accessibleName() != scoreButtonName) scoreButton_->setAccessibleName(scoreButtonName);
  // Done disables itself; Qt would hand its focus on to a buy button, where
  // the next Space would buy a digit in a finished game. The window's focus
  // is meant, also while a dialog has the keyboard.
  if (!game_.canFinish && focusWidget() == doneButton_) scoreButton_->setFocus(Qt::OtherFocusReason);
  doneButton_->setEnabled(game_.canFinish);
  if (game_.clockRunning != clock_->isActive()) game_.clockRunning ? clock_->start() : clock_->stop();
  staticVersionBox_->setChecked(game_.clockFrozen);
}

void GameWindow::showBuyButtons() {
  for (std::size_t button = 0; button < buyButtons_.size(); ++button) {
    QRadioButton* radio = buyButtons_[button];
    const bool usable = static_cast<int>(button) < game_.usableBuyButtons;
    // A new game disables the focused buy button: its focus stays in the group,
    // where Qt would hand it on past the group, to HELP; also when the new
    // game comes from the game-over dialog, which has the keyboard.
    if (!usable && focusWidget() == radio) buyButtons_[0]->setFocus(Qt::OtherFocusReason);
    radio->setEnabled(usable);
    fw::setChecked(radio, game_.chosenBuyButton == static_cast<int>(button));
    // Told apart by their order, and saying where their digit went, as a
    // reader hears the focused button's name change.
    QString name = tr(kPurchases[button]).arg(radio->text());
    for (const game::Purchase& p : game_.purchases) {
      if (p.button != static_cast<int>(button)) continue;
      const int digit = game_.solution[static_cast<std::size_t>(p.square)];
      //: A buy button as a screen reader says it once used: %1 is its name
      //: ("first purchase, 1 minute (5 points)"), %2 where its digit went ("7 bought in row 1, column 2").
      name = tr("%1: %2", "buy button: its purchase").arg(name, boughtIn(digit, p.square));
    }
    if (radio->accessibleName() != name) radio->setAccessibleName(name);
  }
}

void GameWindow::showMode() {
  const bool standard = game_.mode == game::Mode::Standard;
  fw::setChecked(standard ? standardButton_ : expertButton_, true);
  for (std::size_t factor = 0; factor < factorMenus_.size(); ++factor) {
    factorMenus_[factor]->setCurrentIndex(game_.factors[factor]);
    factorMenus_[factor]->setVisible(!standard);
    calculatorSigns_[factor]->setVisible(!standard);
  }
  //: A screen reader's name of the calculator's product, said before its value.
  showValue(productLabel_, tr("product"), textOf(game_.product));
  // Empty in the standard mode, the product is out of sight and out of what a reader reads.
  productLabel_->setVisible(!standard);
  // The same texts as the mode's radio buttons.
  const QString mode = standard ? tr("standard") : tr("expert");
  // The layout's "Standard" stays until the first switch; after one it reads as the button does.
  if (modeLabel_->text().compare(mode, Qt::CaseInsensitive) != 0) modeLabel_->setText(mode);
  //: The help button in the expert mode ("expert help"), 69 px wide at 12 px.
  helpButton_->setText(standard ? tr("HELP") : tr("ExpHelp"));
  standardList_->setVisible(standard);
  expertList_->setVisible(!standard);
}

}  // namespace ui
