// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game window as the player meets it: what it draws of the game, and
// what the keys and the mouse do there.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>

#include <map>
#include <memory>

#include "../game/scripted_shuffler.h"
#include "dialog_answers.h"
#include "lists_settled.h"
#include "framework/list/list_box.h"
#include "framework/window/message_dialog.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"

// The game-over dialog as the player saw it.
struct GameOver {
  std::string message;
  std::string explanation;
  QStringList buttons;  // the captions, in the dialog's order
};

class GameWindowTest : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  testing_support::ScriptedShuffler shuffler_;
  std::unique_ptr<ui::GameWindow> window_;

  template <class W = QWidget>
  W* control(const QString& name) const {
    W* w = window_->content()->findChild<W*>(name, Qt::FindDirectChildrenOnly);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QLineEdit* square(int index) const { return control<QLineEdit>(QString("square%1").arg(index)); }
  QLineEdit* target(int line) const { return control<QLineEdit>(QString("target%1").arg(line)); }
  QAbstractButton* button(const char* name) const { return control<QAbstractButton>(name); }
  QString text(const char* label) const { return control<QLabel>(label)->text(); }
  fw::ListBox* list() const { return control<fw::ListBox>("standardList"); }
  ui::ScoreListModel& rows() const { return *static_cast<ui::ScoreListModel*>(list()->model()); }
  // Clicks a radio button or check box on its indicator, as the player does.
  static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
  void startWith(std::vector<int> digits) {
    shuffler_.next(std::move(digits));
    button("startButton")->click();
  }
  // Gives the control the keyboard focus in the active window.
  void focus(QWidget* w) {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), w);
  }
  QString focusName() const {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : "none";
  }
  void addScores(std::initializer_list<const char*> names) {
    for (const char* name : names) rows().addRow(name, "50");
  }
  QStringList names() const {
    QStringList all;
    for (int row = 0; row < list()->rowCount(); ++row) all << list()->model()->index(row, 0).data().toString();
    return all;
  }
  QColor background(int index) const { return square(index)->palette().color(QPalette::Base); }

private slots:
  void init() {
    window_ = std::make_unique<ui::GameWindow>(shuffler_, preferences_.path().toStdString());
    window_->open();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(testing_support::listsSettled(*window_));
  }
  void cleanup() { window_.reset(); }

  void windowHasItsTitleAndKeepsItsLayoutWhenResized() {
    QCOMPARE(window_->windowTitle(), QString("Veltrano3"));
    QCOMPARE(window_->content()->size(), QSize(902, 673));
    const QRect cell = square(8)->geometry();
    for (const QSize size : {QSize(10, 10), QSize(1600, 1200)}) {
      window_->resize(size);
      QApplication::processEvents();
      QCOMPARE(square(8)->geometry(), cell);
    }
    QVERIFY(window_->width() >= 64 && window_->height() >= 64);
  }

  // Every caption fits its control in the game's fonts.
  void everyCaptionFits() {
    for (QWidget* w : window_->content()->findChildren<QWidget*>()) {
      QString caption;
      int room = w->width();
      if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        caption = b->text();
        if (!qobject_cast<QPushButton*>(w)) room -= 24;  // indicator and its spacing
      } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap()) {
        caption = l->text();
      }
      if (caption.isEmpty()) continue;
      QVERIFY2(w->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(w->objectName()));
      QVERIFY2(w->fontMetrics().height() <= w->height(), qPrintable(w->objectName()));
    }
  }

  void drawsTheGameAsItGoes() {
    QCOMPARE(text("maximumScoreLabel"), QString("100"));
    QVERIFY(!button("doneButton")->isEnabled());
    QVERIFY(!button("secondBuyButton")->isEnabled());
    startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
    for (int line = 0; line < 8; ++line) QCOMPARE(target(line)->text(), QString("15"));
    QVERIFY(button("doneButton")->isEnabled());

    shuffler_.next({4, 0, 1, 2, 3, 5, 6, 7, 8});
    click(button("firstBuyButton"));
    QCOMPARE(square(4)->text(), QString("5"));
    QCOMPARE(background(4), QColor(0x66, 0xFF, 0xFF));
    QCOMPARE(background(0), QColor(Qt::white));
    QCOMPARE(text("maximumScoreLabel"), QString("95"));
    QVERIFY(button("secondBuyButton")->isEnabled() && !button("thirdBuyButton")->isEnabled());

    QTest::keyClicks(square(0), "2");
    QTest::keyClicks(square(1), "1");
    button("doneButton")->click();
    QCOMPARE(square(1)->text(), QString());
    QCOMPARE(text("scoreLabel"), QString("21"));  // 2 of 9 at 95
    QVERIFY(!button("doneButton")->isEnabled());

    startWith({5, 3, 8, 1, 9, 2, 4, 7, 6});
    QCOMPARE(text("scoreLabel"), QString());
    QCOMPARE(background(4), QColor(Qt::white));
    QVERIFY(!button("firstBuyButton")->isChecked() && !button("secondBuyButton")->isEnabled());
  }

  void aSwitchOfModeShowsTheModesControls() {
    const QStringList calculator = {"firstFactorMenu", "secondFactorMenu", "thirdFactorMenu",
                                    "firstTimesSign", "secondTimesSign", "equalsSign"};
    struct Expected {
      const char* choose;
      bool expert;
      const char* label;
    };
    // The layout's "Standard" is kept until the first switch.
    for (const Expected& e : {Expected{nullptr, false, "Standard"}, Expected{"expertButton", true, "expert"},
                              Expected{"standardButton", false, "standard"}}) {
      if (e.choose) click(button(e.choose));
      for (const QString& name : calculator) QCOMPARE(control(name)->isVisible(), e.expert);
      QCOMPARE(text("modeLabel"), QString(e.label));
      QCOMPARE(button("helpButton")->text(), QString(e.expert ? "ExpHelp" : "HELP"));
      QCOMPARE(control("standardList")->isVisible(), !e.expert);
      QCOMPARE(control("expertList")->isVisible(), e.expert);
    }
  }

  void theCalculatorShowsTheProductOfItsMenus() {
    click(button("expertButton"));
    auto* first = control<QComboBox>("firstFactorMenu");
    QStringList items;
    for (int i = 0; i < first->count(); ++i) items << first->itemText(i);
    QCOMPARE(items, QStringList({"#", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    first->setCurrentIndex(7);
    control<QComboBox>("secondFactorMenu")->setCurrentIndex(8);
    QCOMPARE(text("productLabel"), QString());
    control<QComboBox>("thirdFactorMenu")->setCurrentIndex(9);
    QCOMPARE(text("productLabel"), QString("504"));
    click(button("standardButton"));
    QCOMPARE(text("productLabel"), QString());
  }

  // Return in a menu's pop-up list chooses before the list closes, so the menu gets the focus back with its choice.
  void aMenusChoiceIsTakenBeforeItsListCloses() {
    click(button("expertButton"));
    auto* menu = control<QComboBox>("firstFactorMenu");
    focus(menu);
    menu->showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(menu->view()->window()));
    bool listOpenAtTheChange = false;
    connect(menu, &QComboBox::currentIndexChanged, this, [&] { listOpenAtTheChange = menu->view()->isVisible(); });
    menu->view()->setCurrentIndex(menu->model()->index(7, 0));
    QTest::keyClick(menu->view(), Qt::Key_Return);
    QCOMPARE(menu->currentIndex(), 7);
    QVERIFY(listOpenAtTheChange);
    QVERIFY(!menu->view()->isVisible());
  }

  void anythingTypedIntoACellIsKept() {
    const QString odd = QString("05 -x,;") + QString(500, QChar('9'));
    QTest::keyClicks(target(6), odd);
    QCOMPARE(target(6)->text(), odd);
    QVERIFY(target(6)->validator() == nullptr);
    QCOMPARE(window_->game().targets[6], odd.toStdString());
    button("startButton")->click();
    QVERIFY(target(6)->text() != odd);
  }

  // The real timer ticks the clock down; Done stops it.
  void theClockLowersTheMaximumUntilDone() {
    window_->findChild<QTimer*>()->setInterval(5);
    startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
    QVERIFY(QTest::qWaitFor([this] { return text("maximumScoreLabel").toInt() <= 97; }, 5000));
    button("doneButton")->click();
    QVERIFY(!window_->findChild<QTimer*>()->isActive());
  }

  // The clock runs out within a second: the game is over at the tick after the maximum reaches 0.
  // The game played on when startsAGame is false.
  std::vector<GameOver> runTheClockOut(fw::MessageDialog::Button answer, bool startsAGame = true) {
    std::vector<GameOver> shown;
    auto* clock = window_->findChild<QTimer*>();
    int ticks = 0;
    const QMetaObject::Connection counting = connect(clock, &QTimer::timeout, [&ticks] { ++ticks; });
    testing_support::DialogAnswers dialogs([&](const testing_support::DialogAnswers::Shown& said, QMessageBox& box) {
      QStringList buttons;
      for (QAbstractButton* each : box.buttons()) buttons << each->text();
      shown.push_back({said.message, said.explanation, buttons});
      // Ticks keep coming while the dialog waits.
      const int tickedBefore = ticks;
      if (!QTest::qWaitFor([&] { return ticks > tickedBefore + 3; })) {
        QTest::qFail("the clock stopped ticking while the dialog waited", __FILE__, __LINE__);
      }
      shuffler_.next({5, 3, 8, 1, 9, 2, 4, 7, 6});
      return answer;
    });
    clock->setInterval(1);
    if (startsAGame) button("startButton")->click();
    if (!QTest::qWaitFor([&] { return !shown.empty(); }, 10000)) QTest::qFail("the game did not end", __FILE__, __LINE__);
    clock->setInterval(3600000);
    disconnect(counting);
    return shown;
  }

  void playAgainStartsANewGameAfterOneDialog() {
    const std::vector<GameOver> shown = runTheClockOut(fw::MessageDialog::Button::Alternate);
    QCOMPARE(shown.size(), std::size_t{1});
    const GameOver& d = shown.front();
    QCOMPARE(d.message, std::string("The game is over."));
    QCOMPARE(d.explanation, std::string("You can quit or play again. "));
    QCOMPARE(d.buttons.size(), 2);  // no Cancel
    QVERIFY(d.buttons.contains("Quit") && d.buttons.contains("Play Again"));
    QCOMPARE(window_->game().solution, (std::array<int, 9>{5, 3, 8, 1, 9, 2, 4, 7, 6}));
    QVERIFY(window_->game().clockRunning);
  }

  void radioGroupsAreSeparate() {
    click(button("expertButton"));
    click(button("firstBuyButton"));
    QVERIFY(button("firstBuyButton")->isChecked());
    QVERIFY(button("expertButton")->isChecked());
  }

  void groupBoxesLetClicksThroughToTheirButtons() {
    QCOMPARE(window_->content()->childAt(button("firstBuyButton")->geometry().center()), button("firstBuyButton"));
  }

  // One order in both modes, as the window reads: the left column from top to bottom, then the right one.
  void tabGoesThroughTheWindowInReadingOrder_data() {
    QTest::addColumn<bool>("expert");
    QTest::newRow("standard") << false;
    QTest::newRow("expert") << true;
  }
  void tabGoesThroughTheWindowInReadingOrder() {
    QFETCH(bool, expert);
    button("startButton")->click();
    button("scoreButton")->click();  // shows the name entry
    if (expert) click(button("expertButton"));
    QStringList expected;
    if (expert) expected << "firstFactorMenu" << "secondFactorMenu" << "thirdFactorMenu";
    // The board row by row, each from the left: the diagonals' targets above it, the columns' below.
    expected << "target6" << "target7";
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) expected << QString("square%1").arg(3 * row + column);
      expected << QString("target%1").arg(row);
    }
    expected << "target3" << "target4" << "target5"
             << "scoreButton" << "helpButton" << "quitButton" << "startButton" << "doneButton" << "nameField"
             << "recordButton" << "firstBuyButton" << "staticVersionBox" << (expert ? "expertButton" : "standardButton")
             << "headingRow" << (expert ? "expertList" : "standardList") << expected.first();  // and round again
    focus(control(expected.first()));
    QStringList visited = {focusName()};
    while (visited.size() < expected.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << focusName();
    }
    QCOMPARE(visited, expected);
  }

  void returnInACellStartsAGame() {
    focus(square(4));
    QTest::keyClicks(square(4), "7");
    QTest::keyClick(square(4), Qt::Key_Return);
    QCOMPARE(square(4)->text(), QString());
    QVERIFY(!target(0)->text().isEmpty());
    QVERIFY(button("doneButton")->isEnabled());
  }

  void returnPressesTheButtonOfTheFocus_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    // A focused push button is pressed itself: Return on "Done" must not deal
    // a new puzzle over the board it checks.
    QTest::newRow("Done") << "doneButton" << int(Qt::Key_Return) << "doneButton";
    QTest::newRow("Score") << "scoreButton" << int(Qt::Key_Return) << "scoreButton";
    QTest::newRow("HELP by Enter") << "helpButton" << int(Qt::Key_Enter) << "helpButton";
    QTest::newRow("Record") << "recordButton" << int(Qt::Key_Return) << "recordButton";
    // The name field records: a new game would empty the score about to be recorded.
    QTest::newRow("name field") << "nameField" << int(Qt::Key_Return) << "recordButton";
    QTest::newRow("name field by Enter") << "nameField" << int(Qt::Key_Enter) << "recordButton";
    QTest::newRow("square") << "square4" << int(Qt::Key_Return) << "startButton";
    QTest::newRow("buy button") << "firstBuyButton" << int(Qt::Key_Return) << "startButton";
    QTest::newRow("score list") << "standardList" << int(Qt::Key_Enter) << "startButton";
    QTest::newRow("Static Version") << "staticVersionBox" << int(Qt::Key_Return) << "startButton";
    // A heading sorts its list itself: no button shows the frame.
    QTest::newRow("list heading") << "headingRow" << int(Qt::Key_Return) << "";
  }
  void returnPressesTheButtonOfTheFocus() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    button("startButton")->click();
    button("scoreButton")->click();
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : {"startButton", "doneButton", "helpButton", "scoreButton", "recordButton"}) {
      spies[name] = std::make_unique<QSignalSpy>(button(name), &QAbstractButton::clicked);
    }
    focus(focused == "headingRow" ? list()->horizontalHeader() : control(focused));
    // The default button's frame shows which one Return presses.
    for (const auto& [name, spy] : spies) QVERIFY2(button(name.toLatin1())->property("default").toBool() == (name == pressed), qPrintable(name));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    for (const auto& [name, spy] : spies) QVERIFY2(spy->count() == (name == pressed ? 1 : 0), qPrintable(name));
  }

  void scoreHandsTheFocusToTheNameField() {
    focus(button("scoreButton"));
    QTest::keyClick(button("scoreButton"), Qt::Key_Space);
    QCOMPARE(focusName(), QString("nameField"));
    QTest::keyClicks(QApplication::focusWidget(), "Ann");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(names(), QStringList({"Ann"}));
  }

  // The ring stands round the focused control, whatever kind it is, and goes with the focus.
  void theFocusRingShowsWhereTheFocusIs_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"startButton", "doneButton", "firstBuyButton", "staticVersionBox", "standardButton",
                             "expertList", "square4", "target7", "firstFactorMenu"}) {
      QTest::newRow(name) << name;
    }
  }
  void theFocusRingShowsWhereTheFocusIs() {
    QFETCH(QString, name);
    button("startButton")->click();
    click(button("expertButton"));
    QWidget* ring = window_->content()->findChild<QWidget*>("focusRing");
    QWidget* target = control(name);
    focus(target);
    QVERIFY(ring->isVisible());
    const QRect around(target->mapTo(window_->content(), QPoint(0, 0)), target->size());
    QVERIFY(ring->geometry().contains(around));
    QVERIFY(ring->geometry().adjusted(6, 6, -6, -6).width() <= around.width());
  }

  // On a list the ring goes round the current row, as plainly as round a button, and moves with it.
  void theFocusRingGoesRoundTheCurrentRow() {
    addScores({"Ann", "Bob", "Cy"});
    QWidget* ring = window_->content()->findChild<QWidget*>("focusRing");
    focus(list());
    for (int row : {0, 1}) {
      if (row > 0) QTest::keyClick(list(), Qt::Key_Down);
      const QRect cell = list()->visualRect(rows().index(row, 0));
      const QRect shown(list()->viewport()->mapTo(window_->content(), cell.topLeft()), QSize(list()->viewport()->width(), cell.height()));
      QVERIFY(ring->isVisible());
      QVERIFY(ring->geometry().contains(shown));
      QVERIFY(ring->height() < 2 * shown.height());
    }
  }

  // A window smaller than its controls scrolls the focused one into view, which keeps its place in the layout.
  void aSmallWindowScrollsToTheFocus() {
    window_->resize(400, 300);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    button("scoreButton")->click();
    QLineEdit* name = control<QLineEdit>("nameField");
    QCOMPARE(name->geometry(), QRect(216, 589, 179, 30));
    QWidget* viewport = window_->content()->parentWidget();
    QVERIFY(viewport->rect().contains(QRect(name->mapTo(viewport, QPoint(0, 0)), name->size())));
    focus(square(0));
    QVERIFY(viewport->rect().contains(QRect(square(0)->mapTo(viewport, QPoint(0, 0)), square(0)->size())));
  }

  void focusGoesFromDoneToScore() {
    button("startButton")->click();
    focus(button("doneButton"));
    QTest::keyClick(button("doneButton"), Qt::Key_Space);
    QVERIFY(!button("doneButton")->isEnabled());
    QCOMPARE(focusName(), QString("scoreButton"));
    // A Space now must not buy a digit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!button("firstBuyButton")->isChecked());
  }

  void arrowKeysOnRadioButtonsOnlyMoveTheFocus() {
    startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
    QTest::keyClicks(square(4), "5");
    focus(button("firstBuyButton"));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right}) QTest::keyClick(button("firstBuyButton"), key);
    QCOMPARE(focusName(), QString("firstBuyButton"));  // the next ones are not yet for sale
    QCOMPARE(text("maximumScoreLabel"), QString("100"));

    QTest::keyClick(button("firstBuyButton"), Qt::Key_Space);  // Space buys
    QVERIFY(button("firstBuyButton")->isChecked());
    QCOMPARE(text("maximumScoreLabel"), QString("95"));
    QTest::keyClick(button("firstBuyButton"), Qt::Key_Down);
    QCOMPARE(focusName(), QString("secondBuyButton"));
    QVERIFY(!button("secondBuyButton")->isChecked());

    focus(button("standardButton"));
    QTest::keyClick(button("standardButton"), Qt::Key_Right);
    QCOMPARE(focusName(), QString("expertButton"));
    QCOMPARE(square(4)->text(), QString("5"));
    QTest::keyClick(button("expertButton"), Qt::Key_Space);  // Space switches
    QVERIFY(button("expertButton")->isChecked());
    QCOMPARE(square(4)->text(), QString());
  }

  // A new game disables the buy buttons last bought with; Tab still reaches the group at its first button.
  void tabReachesTheBuyButtonsInEveryGame_data() {
    QTest::addColumn<int>("bought");
    QTest::addColumn<bool>("playAgain");
    QTest::newRow("two bought, then Start") << 2 << false;
    QTest::newRow("four bought, then Play Again") << 4 << true;
  }
  void tabReachesTheBuyButtonsInEveryGame() {
    QFETCH(int, bought);
    QFETCH(bool, playAgain);
    const char* buyButtons[] = {"firstBuyButton", "secondBuyButton", "thirdBuyButton", "fourthBuyButton"};
    startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
    focus(button("firstBuyButton"));
    for (int i = 0; i < bought; ++i) {
      if (i > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QCOMPARE(focusName(), QString(buyButtons[bought - 1]));
    if (playAgain) {
      runTheClockOut(fw::MessageDialog::Button::Alternate, false);
      // Where the focus is once the window is active again: not HELP, it stays in its group.
      QCOMPARE(window_->focusWidget()->objectName(), QString("firstBuyButton"));
      window_->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    } else {
      focus(button("startButton"));
      QTest::keyClick(button("startButton"), Qt::Key_Space);
    }
    focus(button("doneButton"));
    QTest::keyClick(button("doneButton"), Qt::Key_Tab);
    QCOMPARE(focusName(), QString("firstBuyButton"));
  }

  // The headings come before the rows; Tab leaves the list after them, for the first control.
  void tabGoesThroughTheHeadingsAndTheRows() {
    addScores({"Ann", "Bob"});
    for (auto [key, modifiers, next] : {std::tuple{Qt::Key_Tab, Qt::NoModifier, "target6"},
                                        std::tuple{Qt::Key_Backtab, Qt::ShiftModifier, "headingRow"},
                                        std::tuple{Qt::Key_Tab, Qt::ControlModifier, "target6"}}) {
      focus(list());
      QTest::keyClick(list(), key, modifiers);
      QCOMPARE(focusName(), QString(next));
    }
  }

  // Left and Right choose a heading, Space and Return sort by it as a click does.
  void theHeadingsSortByKeyboard() {
    addScores({"Cy", "Ann", "Bob"});
    rows().addRow("Dee", "9");
    QWidget* headings = list()->horizontalHeader();
    focus(headings);
    QTest::keyClick(headings, Qt::Key_Space);
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Cy", "Dee"}));
    QTest::keyClick(headings, Qt::Key_Return);
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(names(), QStringList({"Dee", "Cy", "Bob", "Ann"}));
    QTest::keyClick(headings, Qt::Key_Right);
    QTest::keyClick(headings, Qt::Key_Right);  // there is no third heading
    QTest::keyClick(headings, Qt::Key_Space);
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(names(), QStringList({"Cy", "Bob", "Ann", "Dee"}));  // by score, still top to bottom
    QCOMPARE(focusName(), QString("headingRow"));
    // The focus ring stands round the chosen heading.
    const QPoint score(list()->horizontalHeader()->sectionViewportPosition(1) + list()->horizontalHeader()->sectionSize(1) / 2, 0);
    const int ringCentre = window_->content()->findChild<QWidget*>("focusRing")->geometry().center().x();
    QVERIFY(qAbs(ringCentre - headings->mapTo(window_->content(), score).x()) <= 1);
  }

  void deleteRemovesTheCurrentRow() {
    addScores({"Ann", "Bob", "Cy"});
    focus(list());
    QTest::keyClick(list(), Qt::Key_Home);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(names(), QStringList({"Ann", "Cy"}));
    QTest::keyClick(list(), Qt::Key_Delete);
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(names(), QStringList());
    QTest::keyClick(list(), Qt::Key_Delete);  // nothing left to remove
  }

  // A sort runs beside the window: until its result is in, the board, the
  // clock and the list's other steps go on. Here the rows are still shown
  // unsorted while the player types and the clock ticks.
  void theBoardAndTheClockWorkWhileAListSorts() {
    addScores({"Zed", "Ann", "Bob"});
    startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});
    const int maximum = text("maximumScoreLabel").toInt();
    QTest::mouseClick(list()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));  // "Name"
    QCOMPARE(names().first(), QString("Zed"));
    focus(square(0));
    QTest::keyClicks(square(0), "2");
    QCOMPARE(square(0)->text(), QString("2"));
    QVERIFY(QMetaObject::invokeMethod(window_->findChild<QTimer*>(), "timeout"));
    QCOMPARE(text("maximumScoreLabel").toInt(), maximum - 1);
    button("doneButton")->click();
    QCOMPARE(window_->game().score, std::optional<int>(static_cast<int>(std::lround((maximum - 1) / 9.0))));
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(names(), QStringList({"Ann", "Bob", "Zed"}));
  }

  void aDoubleClickRemovesOneRow() {
    addScores({"Ann", "Bob", "Cy"});
    QWidget* rows = list()->viewport();
    const QPoint first = list()->visualRect(list()->model()->index(0, 0)).center();
    // What a double click delivers: press, release, double click, release.
    QTest::mousePress(rows, Qt::LeftButton, {}, first);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, first);
    QMouseEvent twice(QEvent::MouseButtonDblClick, first, rows->mapToGlobal(first), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(rows, &twice);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, first);
    QCOMPARE(names(), QStringList({"Bob", "Cy"}));
    QTest::mouseClick(rows, Qt::LeftButton, {}, first);  // a later single click still removes
    QCOMPARE(names(), QStringList({"Cy"}));
  }

  void arrowKeysMoveBetweenCells_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    // The board: falling . . . rising / . 0 1 2 row1 / . 3 4 5 row2 / . 6 7 8 row3 / . col1 col2 col3 .
    QTest::newRow("right from an empty cell") << "square0" << "" << 0 << int(Qt::Key_Right) << "square1";
    QTest::newRow("right at the end of the text") << "square1" << "42" << 2 << int(Qt::Key_Right) << "square2";
    QTest::newRow("right inside the text") << "square1" << "42" << 1 << int(Qt::Key_Right) << "square1";
    QTest::newRow("right to a row target") << "square2" << "" << 0 << int(Qt::Key_Right) << "target0";
    QTest::newRow("left at the start") << "square4" << "5" << 0 << int(Qt::Key_Left) << "square3";
    QTest::newRow("left after the digit") << "square4" << "5" << 1 << int(Qt::Key_Left) << "square4";
    QTest::newRow("nothing left of the grid") << "square3" << "" << 0 << int(Qt::Key_Left) << "square3";
    QTest::newRow("up whatever the cursor") << "square4" << "5" << 1 << int(Qt::Key_Up) << "square1";
    QTest::newRow("nothing above the grid") << "square1" << "" << 0 << int(Qt::Key_Up) << "square1";
    QTest::newRow("down to a column target") << "square7" << "" << 0 << int(Qt::Key_Down) << "target4";
    QTest::newRow("nothing below") << "target5" << "" << 0 << int(Qt::Key_Down) << "target5";
    QTest::newRow("up to the rising diagonal") << "target0" << "" << 0 << int(Qt::Key_Up) << "target7";
    QTest::newRow("across the top") << "target6" << "" << 0 << int(Qt::Key_Right) << "target7";
    QTest::newRow("back across the top") << "target7" << "" << 0 << int(Qt::Key_Left) << "target6";
    QTest::newRow("nothing below the falling diagonal") << "target6" << "" << 0 << int(Qt::Key_Down) << "target6";
    QTest::newRow("row target back to the grid") << "target1" << "" << 0 << int(Qt::Key_Left) << "square5";
  }
  void arrowKeysMoveBetweenCells() {
    QFETCH(QString, from);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, key);
    QFETCH(QString, to);
    auto* field = control<QLineEdit>(from);
    field->setText(text);
    focus(field);
    field->setCursorPosition(cursor);
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(focusName(), to);
    QCOMPARE(field->text(), text);
  }

  // Last: the application stays quitting afterwards.
  void quitAtTheEndOfAGameSavesTheListsAndCloses() {
    runTheClockOut(fw::MessageDialog::Button::Action);
    QVERIFY(QTest::qWaitFor([this] { return !window_->isVisible(); }));
    QVERIFY(QFileInfo::exists(preferences_.path() + "/Veltrano.prefs"));
  }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
