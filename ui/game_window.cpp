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

#include <utility>

#include "framework/window/application.h"
#include "framework/window/message_dialog.h"
#include "framework/window/widgets.h"
#include "ui/board_layout.h"

namespace ui {

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr const char* kPurchases[] = {
    QT_TRANSLATE_NOOP("GameWindow", "first purchase, %1"), QT_TRANSLATE_NOOP("GameWindow", "second purchase, %1"),
    QT_TRANSLATE_NOOP("GameWindow", "third purchase, %1"), QT_TRANSLATE_NOOP("GameWindow", "fourth purchase, %1")};
// The colour of a square bought with each buy button.
constexpr std::array<QRgb, game::kBuyButtons.size()> kBoughtColours = {0x66FFFF, 0x66FF66, 0xFFFF66, 0xFF8000};

QString textOf(const std::optional<int>& number) { return number ? QString::number(*number) : QString(); }

// A value beside its caption: a screen reader says both, e.g. "Your Score: 56".
void showValue(QLabel* label, const QString& caption, const QString& value) {
  if (label->text() == value && !label->accessibleName().isEmpty()) return;
  label->setText(value);
  label->setAccessibleName(value.isEmpty() ? caption : GameWindow::tr("%1: %2").arg(caption, value));
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

}  // namespace

GameWindow::GameWindow(game::Shuffler& shuffler, const std::string& scoresFolder, std::function<void()> showHelp)
    : shuffler_(shuffler), showHelp_(std::move(showHelp)), scores_(std::make_unique<ScoreLists>(scoresFolder)) {
  // The score files are read meanwhile.
  setWindowTitle("Veltrano3");
  setContentSize(902, 673);
  makeControls();
  scores_->show(*standardList_, *expertList_);
  showGame();
}

void GameWindow::open() {
  // Play begins in the grid's first square, though Tab reaches the targets above it first.
  if (!opened_) squares_[0]->setFocus(Qt::OtherFocusReason);
  showInFront();
  if (std::exchange(opened_, true)) return;
  // The score files' rows are in before the window takes any input.
  scores_->showRowsOnceRead();
  // Told from the event loop, over the game window, rather than before it shows.
  runSoon([this] { scores_->tellLoadProblems(); });
}

GameWindow::~GameWindow() = default;

bool GameWindow::keepOpen() { return !saveScores(); }

bool GameWindow::saveScores() { return scores_->save(); }

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
  announcer_->announce(tr("New game, maximum possible score %1").arg(game_.maximumScore));
}

void GameWindow::onDone() {
  game::finish(game_);
  showGame();
}

void GameWindow::onTick() {
  // Ticks keep coming while the game-over dialog waits: one dialog is enough.
  if (gameOverShowing_) return;
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
  const fw::MessageDialog::Button chosen = dialog.showModal();
  gameOverShowing_ = false;
  switch (chosen) {
    case fw::MessageDialog::Button::Action: fw::quitApplication(0); break;
    case fw::MessageDialog::Button::Alternate: startButton_->click(); break;
    case fw::MessageDialog::Button::Cancel: break;
  }
}

void GameWindow::onBuy(int button) {
  const std::size_t before = game_.purchases.size();
  game::buy(game_, button, shuffler_);
  showGame();
  if (game_.purchases.size() == before) return;
  // The focused button's new name says where its digit went; a reader hears it once.
  if (buyButtons_[static_cast<std::size_t>(button)]->hasFocus()) return;
  announcer_->announce(boughtNews(game_.purchases.back()));
}

// "5 bought in row 2, column 2"; before the first puzzle the answer has no digit, and the square stays empty.
QString GameWindow::boughtNews(const game::Purchase& bought) const {
  const int digit = game_.solution[static_cast<std::size_t>(bought.square)];
  return tr("%1 bought in %2")
      .arg(digit == 0 ? tr("a square") : QString::number(digit),
           QString::fromStdString(spokenNameOf(game::squareCell(bought.square))));
}

void GameWindow::onModeChosen(game::Mode mode) {
  game::switchMode(game_, mode);
  showGame();
  // The radio button says only itself: the empty board and the other list are news.
  const bool standard = mode == game::Mode::Standard;
  announcer_->announce((standard ? tr("Standard mode: the board is empty until Start. %1 shown.")
                                 : tr("Expert mode: the board is empty until Start. %1 shown."))
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

void GameWindow::onRecord() {
  const bool standard = game_.mode == game::Mode::Standard;
  scores_->record(game_.mode, nameField_->text().toStdString(), textOf(game_.score).toStdString());
  fw::ListBox* list = standard ? standardList_ : expertList_;
  announcer_->announce(tr("%1 added to %2").arg(spokenRow(*list, list->rowCount() - 1), list->accessibleName()));
}

QString GameWindow::spokenRow(const fw::ListBox& list, int row) {
  const QString name = list.model()->index(row, 0).data().toString();
  const QString score = list.model()->index(row, 1).data().toString();
  return score.isEmpty() ? name : tr("%1, %2").arg(name, score);
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
  showValue(maximumScoreLabel_, tr("Maximum Possible Score"), QString::number(game_.maximumScore));
  showValue(scoreLabel_, tr("Your Score"), textOf(game_.score));
  // The focus comes to "Score" when Done has counted: it says the score, which a reader then hears.
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
      if (p.button == static_cast<int>(button)) name = tr("%1: %2").arg(name, boughtNews(p));
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
  showValue(productLabel_, tr("product"), textOf(game_.product));
  // Empty in the standard mode, the product is out of sight and out of what a reader reads.
  productLabel_->setVisible(!standard);
  const QString mode = standard ? tr("standard") : tr("expert");
  // The layout's "Standard" stays until the first switch; after one it reads as the button does.
  if (modeLabel_->text().compare(mode, Qt::CaseInsensitive) != 0) modeLabel_->setText(mode);
  helpButton_->setText(standard ? tr("HELP") : tr("ExpHelp"));
  standardList_->setVisible(standard);
  expertList_->setVisible(!standard);
}

}  // namespace ui
