// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// What a screen reader is told while a game is played: the events the game
// window sends assistive tools, in their order. Run on a desktop with the
// accessibility bus, where Qt sends them (tests/e2e/with_accessibility_bus.sh).

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "../game/scripted_shuffler.h"
#include "app/language.h"
#include "lists_settled.h"
#include "framework/list/list_box.h"
#include "ui/game_window.h"
#include "ui/score_list_model.h"

namespace {

struct Heard {
  QAccessible::Event type;
  QString object;  // the object's name, or the name of the part the event is about
  QString name;    // the accessible name when the event came
  int child;       // the part, as the object's child
};

std::vector<Heard> heard;

void listen(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  const QString object = event->object() ? event->object()->objectName() : QString();
  heard.push_back({event->type(), event->child() >= 0 && iface ? "part of " + object : object,
                   iface ? iface->text(QAccessible::Name) : QString(), event->child()});
}

}  // namespace

class AccessibilityEventsTest : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  testing_support::ScriptedShuffler shuffler_;
  std::unique_ptr<ui::GameWindow> window_;
  Language english_{"en"};  // the plural forms the game's English has

  QWidget* control(const char* name) { return window_->content()->findChild<QWidget*>(name); }
  void press(QWidget* focused, Qt::Key key) {
    focused->setFocus(Qt::TabFocusReason);
    heard.clear();
    QTest::keyClick(focused, key);
  }
  // The first event of that kind about that object, or the end.
  std::vector<Heard>::const_iterator find(QAccessible::Event type, const QString& object) const {
    return std::find_if(heard.begin(), heard.end(), [&](const Heard& h) { return h.type == type && h.object == object; });
  }

private slots:
  void initTestCase() {
    english_.install();
    QVERIFY2(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000), "no accessibility bus");
    QAccessible::installUpdateHandler(listen);
  }
  void init() {
    window_ = std::make_unique<ui::GameWindow>(shuffler_, preferences_.path().toStdString());
    window_->open();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(testing_support::listsSettled(*window_));
    shuffler_.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
    static_cast<QAbstractButton*>(control("startButton"))->click();
  }
  void cleanup() { window_.reset(); }

  // The score is in the name of "Score" before the focus comes to it, so a reader says it.
  void doneMovesTheFocusToAScoreThatSaysItsValue() {
    static_cast<QLineEdit*>(control("square4"))->setText("5");
    press(control("doneButton"), Qt::Key_Space);
    const auto named = find(QAccessible::NameChanged, "scoreButton");
    const auto focused = find(QAccessible::Focus, "scoreButton");
    QVERIFY(named != heard.end() && focused != heard.end());
    QVERIFY(named < focused);
    QCOMPARE(focused->name, QString("Score, your score: 11"));
    QVERIFY(find(QAccessible::Focus, "firstBuyButton") == heard.end());
  }

  void aPurchaseSaysWhereItsDigitWent() {
    shuffler_.next({4, 0, 1, 2, 3, 5, 6, 7, 8});
    press(control("firstBuyButton"), Qt::Key_Space);
    const auto named = find(QAccessible::NameChanged, "firstBuyButton");
    QVERIFY(named != heard.end());
    QCOMPARE(named->name, QString("first purchase, 1 minute (5 points): 5 bought in row 2, column 2"));
    QVERIFY(find(QAccessible::ObjectShow, "announcer") == heard.end());  // heard once, from the name
  }

  // Before the first game the answer has no digit: the square stays empty, and is said so.
  void aPurchaseBeforeTheFirstGameSaysASquare() {
    window_ = std::make_unique<ui::GameWindow>(shuffler_, preferences_.path().toStdString());
    window_->open();
    shuffler_.next({4, 0, 1, 2, 3, 5, 6, 7, 8});
    press(control("firstBuyButton"), Qt::Key_Space);
    const auto named = find(QAccessible::NameChanged, "firstBuyButton");
    const auto shown = find(QAccessible::ObjectShow, "announcer");
    QVERIFY(named != heard.end() && shown != heard.end());
    QCOMPARE(named->name, QString("first purchase, 1 minute (5 points): a square bought in row 2, column 2"));
    QCOMPARE(shown->name, QString("a square bought in row 2, column 2"));
  }

  void aRecordedRowIsAddedToItsList() {
    static_cast<QAbstractButton*>(control("scoreButton"))->click();
    static_cast<QLineEdit*>(control("nameField"))->setText("Ann");
    press(control("nameField"), Qt::Key_Return);
    QStringList added;
    for (const Heard& h : heard) {
      if (h.type == QAccessible::ObjectCreated && h.object == "part of standardList") added << h.name;
    }
    QCOMPARE(added, QStringList({"Ann", ""}));  // its name and its score, empty before Done
  }

  // The focus on the heading row is on a heading, on a list on its current row: parts of the list, where a
  // reader finds them, told once, not followed by the widget. Right chooses the next heading, whose name
  // the heading row takes.
  void theFocusIsToldOnceOnThePartItRestsOn_data() {
    QTest::addColumn<bool>("heading");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("heading row") << true << 0 << QStringList{"part of standardList: Name"};
    QTest::newRow("next heading") << true << int(Qt::Key_Right) << QStringList{"part of standardList: Score"};
    QTest::newRow("list") << false << 0 << QStringList{"part of standardList: Ann"};
    QTest::newRow("next row") << false << int(Qt::Key_Down) << QStringList{"part of standardList: Bob"};
  }
  void theFocusIsToldOnceOnThePartItRestsOn() {
    QFETCH(bool, heading);
    QFETCH(int, key);
    QFETCH(QStringList, told);
    auto* list = static_cast<fw::ListBox*>(control("standardList"));
    for (const char* name : {"Ann", "Bob"}) static_cast<ui::ScoreListModel*>(list->model())->addRow(name, "50");
    QWidget* focused = heading ? static_cast<QWidget*>(list->horizontalHeader()) : list;
    control("square0")->setFocus(Qt::TabFocusReason);
    if (key) focused->setFocus(Qt::TabFocusReason);
    heard.clear();
    key ? QTest::keyClick(focused, Qt::Key(key)) : focused->setFocus(Qt::TabFocusReason);
    QStringList focus;
    for (const Heard& h : heard) {
      if (h.type == QAccessible::Focus) focus << h.object + ": " + h.name;
    }
    QCOMPARE(focus, told);
    if (heading && key) QVERIFY(find(QAccessible::NameChanged, "headingRow") != heard.end());
  }

  // A menu's choice is in its name: a tool that keeps names is told of a new one, and "#" is said as a word.
  void aMenusNewChoiceIsToldByName() {
    auto* menu = static_cast<QComboBox*>(control("firstFactorMenu"));
    for (auto [index, name] : {std::pair{5, "first factor, 5"}, std::pair{0, "first factor, none"}}) {
      heard.clear();
      menu->setCurrentIndex(index);
      const auto renamed = find(QAccessible::NameChanged, "firstFactorMenu");
      QVERIFY(renamed != heard.end());
      QCOMPARE(renamed->name, QString(name));
    }
  }

  // Before the first puzzle the answer has no digit: a purchase says so, never "0 bought".
  void aPurchaseBeforeThePuzzleSaysNoDigit() {
    window_ = std::make_unique<ui::GameWindow>(shuffler_, preferences_.path().toStdString());
    window_->open();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    shuffler_.next({4, 0, 1, 2, 3, 5, 6, 7, 8});
    heard.clear();
    QAccessible::queryAccessibleInterface(control("firstBuyButton"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    const auto shown = find(QAccessible::ObjectShow, "announcer");
    QVERIFY(shown != heard.end());
    QCOMPARE(shown->name, QString("a square bought in row 2, column 2"));
  }

  // A reader asks for the focused part once the rows are gone: the row come into the removed one's place.
  void afterDeleteTheNewCurrentRowHasTheFocus() {
    auto* list = static_cast<fw::ListBox*>(control("standardList"));
    for (const char* name : {"Ann", "Bob", "Cy"}) static_cast<ui::ScoreListModel*>(list->model())->addRow(name, "50");
    list->setFocus(Qt::TabFocusReason);
    list->selectRow(1);
    press(list, Qt::Key_Delete);
    const auto focused = std::find_if(heard.rbegin(), heard.rend(), [](const Heard& h) { return h.type == QAccessible::Focus; });
    QVERIFY(focused != heard.rend());
    QAccessibleInterface* part = QAccessible::queryAccessibleInterface(list)->child(focused->child);
    QVERIFY(part);
    QCOMPARE(part->text(QAccessible::Name), QString("Cy"));
  }

  // What no focused control says comes as a notification: where a bought digit went, a row recorded, a sort.
  void newsComesAsANotification() {
    shuffler_.next({4, 0, 1, 2, 3, 5, 6, 7, 8});
    control("square0")->setFocus(Qt::TabFocusReason);
    heard.clear();
    QAccessible::queryAccessibleInterface(control("firstBuyButton"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());  // bought by a tool: no focused button says it
    auto shown = find(QAccessible::ObjectShow, "announcer");
    QVERIFY(shown != heard.end());
    QCOMPARE(shown->name, QString("5 bought in row 2, column 2"));
    press(control("expertButton"), Qt::Key_Space);
    shown = find(QAccessible::ObjectShow, "announcer");
    QVERIFY(shown != heard.end());
    QCOMPARE(shown->name, QString("Expert mode: the board is empty until Start. Expert scores shown."));
    press(control("standardButton"), Qt::Key_Space);
    static_cast<QAbstractButton*>(control("scoreButton"))->click();
    static_cast<QLineEdit*>(control("nameField"))->setText("Ann");
    press(control("nameField"), Qt::Key_Return);
    QVERIFY(testing_support::listsSettled(*window_));
    shown = find(QAccessible::ObjectShow, "announcer");
    QVERIFY(shown != heard.end());
    QCOMPARE(shown->name, QString("Ann added to Standard scores"));
    QWidget* headings = static_cast<fw::ListBox*>(control("standardList"))->horizontalHeader();
    for (const char* order : {"ascending", "descending"}) {
      press(headings, Qt::Key_Space);
      shown = find(QAccessible::ObjectShow, "announcer");
      QVERIFY(shown != heard.end());
      QCOMPARE(shown->name, QString("Standard scores sorted by Name, ") + order);
    }
  }

  // The rows change places under a sort: a heading a tool pressed takes a second press.
  void aPressedHeadingStaysToBePressedAgain() {
    auto* list = static_cast<fw::ListBox*>(control("standardList"));
    auto* rows = static_cast<ui::ScoreListModel*>(list->model());
    rows->addRow("Ann", "87");
    rows->addRow("Bob", "64");
    QAccessibleInterface* score = QAccessible::queryAccessibleInterface(list)->child(2);
    QCOMPARE(score->text(QAccessible::Name), QString("Score"));
    score->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(rows->index(0, 0).data().toString(), QString("Bob"));
    QVERIFY(score->isValid());
    score->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(testing_support::listsSettled(*window_));
    QCOMPARE(rows->index(0, 0).data().toString(), QString("Ann"));
  }

  // Controls hidden in a mode leave the window's children, and come back with it.
  void aSwitchOfModeTellsOfTheControlsItHidesAndShows() {
    QAccessibleInterface* content = QAccessible::queryAccessibleInterface(window_->content());
    const auto children = [content] {
      QStringList names;
      for (int i = 0; i < content->childCount(); ++i) names << content->child(i)->object()->objectName();
      return names;
    };
    QVERIFY(!children().contains("productLabel") && !children().contains("expertList"));
    press(control("expertButton"), Qt::Key_Space);
    QVERIFY(find(QAccessible::ObjectCreated, "productLabel") != heard.end());
    QVERIFY(find(QAccessible::ObjectDestroyed, "standardList") != heard.end());
    QVERIFY(children().contains("productLabel") && children().contains("firstFactorMenu"));
    QVERIFY(!children().contains("standardList"));
  }
};

QTEST_MAIN(AccessibilityEventsTest)
#include "accessibility_events_test.moc"
