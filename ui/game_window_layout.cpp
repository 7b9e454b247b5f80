// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game window's controls, made in this order, and the order in which the
// keyboard focus moves through them.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <limits>

#include "ui/look.h"
#include "framework/window/widgets.h"
#include "scores/score_file.h"
#include "ui/board_layout.h"
#include "ui/control_places.h"
#include "ui/game_window.h"

namespace ui {

namespace {

const QFont kPlain = layoutFont(12);
const QFont kLabelFont = layoutFont(14);
const QFont kScoreFont = layoutFont(14, true);

// "1 minute (5 points)": a point is a period of the clock.
QString buyCaption(int cost) {
  const int minutes = cost * game::kSecondsPerPoint / 60;
  //: The time a buy button costs, in its caption: "1 minute" in "1 minute (5 points)".
  const QString time = GameWindow::tr("%n minute(s)", nullptr, minutes);
  //: The points a buy button costs, in its caption: "5 points" in "1 minute (5 points)".
  const QString points = GameWindow::tr("%n point(s)", nullptr, cost);
  //: A buy button's caption, about 155 px of text at 12 px beside its round mark:
  //: %1 is the time it costs ("1 minute"), %2 the same cost in points ("5 points").
  return GameWindow::tr("%1 (%2)", "buy button: time (points)").arg(time, points);
}

QLineEdit* makeField(QWidget* parent, const char* name, QRect where, const QFont& font) {
  auto* field = new QLineEdit(parent);
  fw::place(field, name, where, font);
  // Every field takes any text, however long.
  field->setMaxLength(std::numeric_limits<int>::max());
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  field->setPalette(palette);
  return field;
}

QRadioButton* makeRadioButton(QWidget* parent, const char* name, QRect where, const QString& caption,
                              const QFont& font = kPlain) {
  auto* button = new QRadioButton(caption, parent);
  fw::place(button, name, where, font);
  return button;
}

// A frame with a caption, drawn behind the buttons it groups.
void makeGroupBox(QWidget* parent, const char* name, QRect where, const QString& caption) {
  auto* box = new QGroupBox(caption, parent);
  fw::place(box, name, where, kPlain);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  box->lower();
}

}  // namespace

QLabel* GameWindow::makeLabel(const char* name, QRect where, const QString& text, const QFont& font,
                              Qt::Alignment alignment) {
  auto* label = new QLabel(text, content());
  fw::place(label, name, where, font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QPushButton* GameWindow::makeButton(const char* name, QRect where, const QString& caption,
                                    void (GameWindow::*onClick)()) {
  auto* button = new QPushButton(caption, content());
  fw::place(button, name, where, kPlain);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, onClick);
  return button;
}

void GameWindow::makeBoard() {
  for (const CellPlace& place : kCellPlaces) {
    const game::Cell cell = place.cell;
    const bool square = cell.kind == game::Cell::Kind::Square;
    const std::string name = (square ? "square" : "target") + std::to_string(cell.index);
    QLineEdit* field = makeField(content(), name.c_str(), {place.left, place.top, kCellWidth, kCellHeight},
                                 layoutFont(18, true));
    field->setAccessibleName(QString::fromStdString(spokenNameOf(cell)));
    fw::onArrowAtEdge(field, [this, cell](fw::Arrow arrow) {
      const std::optional<game::Cell> next = neighbourOf(cell, arrow);
      if (next) fieldOf(*next)->setFocus(Qt::OtherFocusReason);
      return next.has_value();
    });
    connect(field, &QLineEdit::textChanged, this, [this, cell](const QString& text) {
      const std::string typed = text.toStdString();
      if (typed != game_.shown(cell)) game::typeInto(game_, cell, typed);
    });
    fieldOf(cell) = field;
  }
}

void GameWindow::makeConnectors() {
  int number = 0;
  for (const Segment& s : kDiagonalRules) {
    auto* rule = new fw::RuleLine(content(), {s.x1, s.y1}, {s.x2, s.y2});
    rule->setObjectName(QString("diagonalRule%1").arg(++number));
  }
  number = 0;
  for (const Box& b : kStraightRules) {
    auto* rule = new QFrame(content());
    rule->setObjectName(QString("straightRule%1").arg(++number));
    rule->setGeometry(b.left, b.top, b.width, b.height);
    rule->setFrameShape(b.width > b.height ? QFrame::HLine : QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    fw::keepFromAssistiveTools(rule);
  }
}

void GameWindow::makeBuyButtons() {
  const char* names[] = {"firstBuyButton", "secondBuyButton", "thirdBuyButton", "fourthBuyButton"};
  QList<QAbstractButton*> group;
  for (std::size_t button = 0; button < buyButtons_.size(); ++button) {
    QFont font = kPlain;
    font.setItalic(button == 1);  // as the layout has it
    QRadioButton* radio = makeRadioButton(content(), names[button], kControlPlaces.buyButtons[button],
                                          buyCaption(game::kBuyButtons[button].cost), font);
    connect(radio, &QRadioButton::clicked, this, [this, button] { onBuy(static_cast<int>(button)); });
    buyButtons_[button] = radio;
    group << radio;
  }
  fw::groupRadioButtons(content(), group);
  //: The frame round the four buy buttons; about 240 px at 12 px. A digit 1-9 is bought.
  makeGroupBox(content(), "buyGroup", kControlPlaces.buyGroup, tr("Buy a number. Cost:"));
}

void GameWindow::makeCalculator() {
  const char* names[] = {"firstFactorMenu", "secondFactorMenu", "thirdFactorMenu"};
  //: A screen reader's names of the calculator's three menus, whose chosen digits it multiplies.
  const char* spokenNames[] = {QT_TRANSLATE_NOOP("ui::GameWindow", "first factor"),
                               QT_TRANSLATE_NOOP("ui::GameWindow", "second factor"),
                               QT_TRANSLATE_NOOP("ui::GameWindow", "third factor")};
  const char* signNames[] = {"firstTimesSign", "secondTimesSign", "equalsSign"};
  for (std::size_t factor = 0; factor < factorMenus_.size(); ++factor) {
    auto* menu = new QComboBox(content());
    fw::place(menu, names[factor], kControlPlaces.factorMenus[factor], kPlain);
    menu->addItems({"#", "1", "2", "3", "4", "5", "6", "7", "8", "9"});  // "#": none chosen
    // A reader says the word, not the symbol.
    //: Said by a screen reader for the calculator menu's "#", no digit chosen.
    menu->setItemData(0, tr("none"), Qt::AccessibleTextRole);
    menu->setAccessibleName(tr(spokenNames[factor]));
    fw::chooseBeforeClosing(menu);
    connect(menu, &QComboBox::currentIndexChanged, this, [this, factor](int digit) {
      if (digit == game_.factors[factor]) return;
      const std::optional<int> before = game_.product;
      game::chooseFactor(game_, static_cast<int>(factor), digit);
      showGame();
      //: Said by a screen reader when the calculator's product changes; %1 is the product.
      if (game_.product != before) announcer_->announce(tr("product: %1").arg(*game_.product));
    });
    factorMenus_[factor] = menu;
    const bool last = factor + 1 == factorMenus_.size();
    calculatorSigns_[factor] = makeLabel(signNames[factor], kControlPlaces.calculatorSigns[factor], last ? "=" : "X",
                                         layoutFont(12, last), Qt::AlignHCenter);
  }
  productLabel_ = makeLabel("productLabel", kControlPlaces.productLabel, "", kPlain);
}

fw::ListBox* GameWindow::makeScoreList(const char* name, QRect where, const QString& spokenName) {
  auto* list = new fw::ListBox(content());
  fw::place(list, name, where, layoutFont(10));
  list->setColumnWidths({66, 34});
  list->setAccessibleName(spokenName);
  // A click on a row removes it.
  list->setRowClickHandler([this, list, spokenName](int row) {
    const QString removed = spokenRow(*list, row);
    list->model()->removeRow(row);
    //: Said by a screen reader after a click removes a row: %1 is the row, name and
    //: score ("Ann, 56"), %2 the list's name, "Standard scores" or "Expert scores".
    announcer_->announce(tr("%1 removed from %2").arg(removed, spokenName));
  });
  connect(list, &fw::ListBox::sorted, this, [this, list, spokenName](int column, Qt::SortOrder order) {
    const QString heading = list->model()->headerData(column, Qt::Horizontal).toString();
    if (order == Qt::AscendingOrder) {
      //: Said by a screen reader after a sort: %1 is the list's name, "Standard scores" or
      //: "Expert scores", %2 the heading sorted by, "Name" or "Score".
      announcer_->announce(tr("%1 sorted by %2, ascending").arg(spokenName, heading));
    } else {
      //: As "%1 sorted by %2, ascending", from the highest or last down.
      announcer_->announce(tr("%1 sorted by %2, descending").arg(spokenName, heading));
    }
  });
  return list;
}

// Made in the layout's order, which is also the order in which assistive
// tools list the window's controls.
void GameWindow::makeControls() {
  makeBoard();
  makeGameButtons();
  makeBuyButtons();
  makeProgramButtons();
  makeScoreEntry();
  makeModeChoice();
  makeCalculator();
  makeExpertSide();
  announcer_ = new fw::Announcer(content());
  setKeyboardOrder();
}

// Start and Done, the lines that join the board, the clock and what a game scores.
void GameWindow::makeGameButtons() {
  //: A button, 69 px wide at 12 px (about 65 px of text): a new game.
  startButton_ = makeButton("startButton", kControlPlaces.startButton, tr("Start"), &GameWindow::onStart);
  setDefaultButton(startButton_);

  makeConnectors();

  //: A button, 69 px wide at 12 px: checks the grid and shows the score.
  doneButton_ = makeButton("doneButton", kControlPlaces.doneButton, tr("Done"), &GameWindow::onDone);
  // The values carry their captions for a reader, who would otherwise hear each twice.
  //: The caption before the points the game can still give; 178 px at 14 px,
  //: which the English fills: a shorter form ("maximum score") is right.
  fw::keepFromAssistiveTools(
      makeLabel("maximumScoreCaption", kControlPlaces.maximumScoreCaption, tr("Maximum Possible Score:"), kLabelFont));
  maximumScoreLabel_ = makeLabel("maximumScoreLabel", kControlPlaces.maximumScoreLabel, "", kScoreFont);
  clock_ = new QTimer(this);
  clock_->setInterval(game::kSecondsPerPoint * 1000);
  // A coarse timer lets the system batch the game clock with other wake-ups.
  clock_->setTimerType(Qt::CoarseTimer);
  connect(clock_, &QTimer::timeout, this, &GameWindow::onTick);
  //: The caption before the score of a finished game; 178 px at 14 px.
  fw::keepFromAssistiveTools(makeLabel("scoreCaption", kControlPlaces.scoreCaption, tr("Your Score:"), kLabelFont));
  scoreLabel_ = makeLabel("scoreLabel", kControlPlaces.scoreLabel, "", kScoreFont);
}

void GameWindow::makeProgramButtons() {
  //: A button, 69 px wide at 12 px: the help of the standard mode, in capitals as the English.
  helpButton_ = makeButton("helpButton", kControlPlaces.helpButton, tr("HELP"), &GameWindow::onHelp);
  //: A button, 69 px wide at 12 px: ends the game program.
  quitButton_ = makeButton("quitButton", kControlPlaces.quitButton, tr("Quit"), &GameWindow::onQuit);
}

// The standard list under its heading, and the name entry that records into the lists.
void GameWindow::makeScoreEntry() {
  //: A screen reader's name of the standard mode's score list; it fills %1 or %2 of the
  //: sentences said when a row is added or removed or the list is sorted.
  standardList_ = makeScoreList("standardList", kControlPlaces.standardList, tr("Standard scores"));
  //: The heading over the score list, at 12 px; 65 px before it runs into the mode's name beside it.
  makeLabel("scoresHeading", kControlPlaces.scoresHeading, tr("Scores"), kPlain);

  //: A button, 69 px wide at 12 px: shows the field for the player's name, to record the score.
  scoreButton_ = makeButton("scoreButton", kControlPlaces.scoreButton, tr("Score"), &GameWindow::onScore);
  //: The caption before the field for the player's name; 100 px at 12 px.
  nameCaption_ = makeLabel("nameCaption", kControlPlaces.nameCaption, tr("Name"), kPlain, Qt::AlignRight);
  nameCaption_->hide();
  nameField_ = makeField(content(), "nameField", kControlPlaces.nameField, kPlain);
  nameField_->hide();
  fw::refuseCharacters(nameField_, QString::fromLatin1(scores::kNotInAName.data(), scores::kNotInAName.size()));
  nameCaption_->setBuddy(nameField_);
  //: A button, 69 px wide at 12 px: adds the name and score to the score list.
  recordButton_ = makeButton("recordButton", kControlPlaces.recordButton, tr("Record"), &GameWindow::onRecord);
  recordButton_->hide();
  // Return after typing a name records it, rather than starting a new game
  // that would empty the score about to be recorded.
  setReturnButton(nameField_, recordButton_);
}

void GameWindow::makeModeChoice() {
  //: A radio button, 80 px wide at 12 px with its round mark: the mode of sums. Also shown
  //: beside "Scores" once the mode has been switched.
  standardButton_ = makeRadioButton(content(), "standardButton", kControlPlaces.standardButton, tr("standard"));
  standardButton_->setChecked(true);
  fw::onTurnedOn(standardButton_, [this] { onModeChosen(game::Mode::Standard); });
  //: A radio button, 80 px wide at 12 px with its round mark: the mode of products. Also
  //: shown beside "Scores" in that mode.
  expertButton_ = makeRadioButton(content(), "expertButton", kControlPlaces.expertButton, tr("expert"));
  fw::onTurnedOn(expertButton_, [this] { onModeChosen(game::Mode::Expert); });
  fw::groupRadioButtons(content(), {standardButton_, expertButton_});
  //: The frame round the two mode buttons, "standard" and "expert": the choice of mode.
  makeGroupBox(content(), "modeGroup", kControlPlaces.modeGroup, tr("Choices"));
}

// The mode's name by the heading, the expert list, and the box that stops the clock.
void GameWindow::makeExpertSide() {
  // The layout's capital S stays until the first switch of mode.
  //: The mode's name beside the "Scores" heading until the first switch of mode, as the
  //: radio button "standard" with a capital letter; 100 px at 12 px.
  modeLabel_ = makeLabel("modeLabel", kControlPlaces.modeLabel, tr("Standard"), kPlain);

  //: A screen reader's name of the expert mode's score list; it fills %1 or %2 of the
  //: sentences said when a row is added or removed or the list is sorted.
  expertList_ = makeScoreList("expertList", kControlPlaces.expertList, tr("Expert scores"));
  //: A check box, 145 px wide at 12 px bold with its mark: ticked, the clock stops ("no clock").
  staticVersionBox_ = new QCheckBox(tr("Static Version"), content());
  fw::place(staticVersionBox_, "staticVersionBox", kControlPlaces.staticVersionBox, layoutFont(12, true));
  connect(staticVersionBox_, &QCheckBox::toggled, this, [this](bool ticked) { game::freezeClock(game_, ticked); });
}

void GameWindow::setKeyboardOrder() {
  // The keyboard's order, one in both modes, as the window reads: the left
  // column from top to bottom (the calculator, the board row by row, the
  // buttons from left to right, the name entry), then the right column.
  // Controls hidden in a mode are passed over.
  QList<QWidget*> order(factorMenus_.begin(), factorMenus_.end());
  for (const game::Cell cell : cellsInReadingOrder()) order << fieldOf(cell);
  order << scoreButton_ << helpButton_ << quitButton_ << startButton_ << doneButton_ << nameField_ << recordButton_;
  order << QList<QWidget*>(buyButtons_.begin(), buyButtons_.end());
  order << staticVersionBox_ << standardButton_ << expertButton_;
  for (fw::ListBox* list : {standardList_, expertList_}) order << list->horizontalHeader() << list;
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace ui
