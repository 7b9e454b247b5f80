// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game window: it draws the game and the two score lists, and turns what
// the player does into moves of the game.


#include <array>
#include <functional>
#include <memory>
#include <string>

#include "framework/window/accessibility.h"
#include "framework/list/list_box.h"
#include "framework/window/window.h"
#include "game/game.h"
#include "ui/score_lists.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ui {

class GameWindow final : public fw::Window {
  Q_OBJECT

public:
  // The window is made with its layout, its score lists read from their
  // files in scoresFolder meanwhile. showHelp shows the help of the current mode.
  GameWindow(game::Shuffler& shuffler, const std::string& scoresFolder, std::function<void()> showHelp = {});
  ~GameWindow() override;
  // Shows the window in front; the first time, with its score lists' rows
  // once their files are read, and what could not be read told.
  void open();

  const game::Game& game() const { return game_; }

  // Writes both score lists back here and now, for when nobody waits for
  // the window (the session asks, the program ends); a failure goes to
  // standard error.
  void saveScores();

protected:
  // The lists are saved before the window closes, so that the player can
  // keep it open when a save fails: the window stays open until then.
  bool keepOpen() override;

private:
  void makeControls();
  void makeGameButtons();
  void makeProgramButtons();
  void makeScoreEntry();
  void makeModeChoice();
  void makeExpertSide();
  void setKeyboardOrder();
  void makeBoard();
  void makeConnectors();
  void makeBuyButtons();
  void makeCalculator();
  fw::ListBox* makeScoreList(const char* name, QRect where, const QString& spokenName);
  // The list shows the steps its model runs beside the window, and a reader hears of the long ones.
  void showSteps(fw::ListBox& list, ScoreListModel& model);
  // "Ann, 87": a row as a screen reader says it; "Ann" where it has no score.
  static QString spokenRow(const fw::ListBox& list, int row);
  static QString spokenRow(const QString& name, const QString& score);
  QLabel* makeLabel(const char* name, QRect where, const QString& text, const QFont& font,
                    Qt::Alignment alignment = Qt::AlignLeft);
  QPushButton* makeButton(const char* name, QRect where, const QString& caption, void (GameWindow::*onClick)());
  QLineEdit*& fieldOf(game::Cell cell);

  void onStart();
  void onDone();
  void onTick();
  void onBuy(int button);
  void onModeChosen(game::Mode mode);
  void onHelp();
  void onQuit();
  void onScore();
  void onRecord();

  // Draws the game onto the controls: the one place where its state meets them.
  void showGame();
  void showBoard();
  void showScores();
  void showBuyButtons();
  void showMode();

  game::Game game_;
  game::Shuffler& shuffler_;
  std::function<void()> showHelp_;
  bool gameOverShowing_ = false;

  std::array<QLineEdit*, game::kSquareCount> squares_{};
  std::array<QLineEdit*, game::kLineCount> targets_{};
  QPushButton* startButton_ = nullptr;
  QPushButton* doneButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QPushButton* scoreButton_ = nullptr;
  QPushButton* recordButton_ = nullptr;
  QPushButton* quitButton_ = nullptr;
  QLabel* maximumScoreLabel_ = nullptr;
  QLabel* scoreLabel_ = nullptr;
  std::array<QRadioButton*, game::kBuyButtons.size()> buyButtons_{};
  QRadioButton* standardButton_ = nullptr;
  QRadioButton* expertButton_ = nullptr;
  QCheckBox* staticVersionBox_ = nullptr;
  QLabel* nameCaption_ = nullptr;
  QLineEdit* nameField_ = nullptr;
  std::array<QComboBox*, 3> factorMenus_{};
  std::array<QLabel*, 3> calculatorSigns_{};
  QLabel* productLabel_ = nullptr;
  QLabel* modeLabel_ = nullptr;
  fw::ListBox* standardList_ = nullptr;
  fw::ListBox* expertList_ = nullptr;
  QTimer* clock_ = nullptr;
  fw::Announcer* announcer_ = nullptr;
  std::unique_ptr<ScoreLists> scores_;
  bool opened_ = false;
  // The lists are saved (or the player chose not to): the window may close.
  bool mayClose_ = false;
  // The lists are being saved for a close, and a quit waits for that.
  bool closing_ = false;
  bool closeQuits_ = false;
};

}  // namespace ui
