// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// What a screen reader finds in the windows, walked through QAccessible as an
// assistive tool walks it, and what it hears while a game is played.

#include <QAccessible>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <tuple>

#include "app/app.h"
#include "app/language.h"
#include "framework/list/list_box.h"
#include "lists_settled.h"

namespace {

// Every interface below the root, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
  visit(root);
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    QVERIFY2(child, "a child the interface counts exists");
    QCOMPARE(root->indexOfChild(child), i);
    walk(child, visit);
  }
}

// The roles of things a player reads or works.
bool isControl(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Button:
    case QAccessible::Link:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::Table:
    case QAccessible::ColumnHeader:
    case QAccessible::Grouping:
      return true;
    default:
      return false;
  }
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  game::RandomShuffler shuffler_{3};
  std::unique_ptr<app::App> app_;
  Language english_{"en"};  // the plural forms the game's English has

  ui::GameWindow& game() { return app_->gameWindow(); }
  QAccessibleInterface* gameWindow() { return QAccessible::queryAccessibleInterface(&game()); }
  QWidget* control(const char* name) { return game().content()->findChild<QWidget*>(name); }
  QAccessibleInterface* interfaceOf(const char* name) { return QAccessible::queryAccessibleInterface(control(name)); }
  fw::ListBox* list(const char* name) { return static_cast<fw::ListBox*>(control(name)); }
  ui::ScoreListModel& rowsOf(const char* name) { return *static_cast<ui::ScoreListModel*>(list(name)->model()); }
  void press(const char* button) { static_cast<QAbstractButton*>(control(button))->click(); }

  // Shows everything the game window can show: a game, the name entry, a list row.
  void showEverything() {
    press("startButton");
    press("scoreButton");
    rowsOf("standardList").addRow("Ann", "87");
  }

private slots:
  void initTestCase() { english_.install(); }
  void init() {
    app_ = std::make_unique<app::App>(shuffler_, preferences_.path().toStdString());
    app_->showGame();
    QVERIFY(QTest::qWaitForWindowExposed(&game()));
    QVERIFY(testing_support::listsSettled(game()));
  }
  void cleanup() { app_.reset(); }

  // The answer lives in the game alone: the tree holds the seventeen cells the player sees, and no other.
  void theTreeHoldsTheVisibleCellsOnly() {
    showEverything();
    int cellsFound = 0;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      const QString name = iface->object() ? iface->object()->objectName() : QString();
      if (name.startsWith("square") || name.startsWith("target")) ++cellsFound;
    });
    QCOMPARE(cellsFound, 17);
    QCOMPARE(game().findChildren<QLineEdit*>().size(), 18);  // and the name field
  }

  void everyControlOfTheGameWindowIsNamed() {
    showEverything();
    control("expertButton")->setFocus();
    QTest::mouseClick(control("expertButton"), Qt::LeftButton, {}, QPoint(6, 10));  // shows the calculator
    int controls = 0;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      if (!isControl(iface->role()) || iface->state().invisible) return;
      ++controls;
      const QString where = iface->object() ? iface->object()->objectName() : QString("a part of a list");
      QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(where + " has no name"));
    });
    QVERIFY(controls > 40);
  }

  void cellsScoresAndFieldsReadWithTheirLabels() {
    showEverything();
    QCOMPARE(interfaceOf("square5")->text(QAccessible::Name), QString("row 2, column 3"));
    QCOMPARE(interfaceOf("target3")->text(QAccessible::Name), QString("target of column 1"));
    QCOMPARE(interfaceOf("target6")->text(QAccessible::Name), QString("target of falling diagonal"));
    QCOMPARE(interfaceOf("target7")->text(QAccessible::Name), QString("target of rising diagonal"));
    QCOMPARE(interfaceOf("maximumScoreLabel")->text(QAccessible::Name),
             QString("Maximum Possible Score: %1").arg(game().game().maximumScore));
    QCOMPARE(interfaceOf("scoreLabel")->text(QAccessible::Name), QString("Your Score"));
    press("doneButton");
    QCOMPARE(interfaceOf("scoreLabel")->text(QAccessible::Name), QString("Your Score: 0"));
    QCOMPARE(interfaceOf("nameField")->text(QAccessible::Name), QString("Name"));
    const char* menus[] = {"firstFactorMenu", "secondFactorMenu", "thirdFactorMenu"};
    for (int factor = 0; factor < 3; ++factor) static_cast<QComboBox*>(control(menus[factor]))->setCurrentIndex(factor + 2);
    QCOMPARE(interfaceOf("productLabel")->text(QAccessible::Name), QString("product: 24"));
  }

  void decorationsAreLeftOut() {
    QStringList names;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      if (iface->object()) names << iface->object()->objectName();
    });
    for (const QString& name : names) QVERIFY2(!name.contains("Rule"), qPrintable(name));
    QVERIFY(names.contains("buyGroup"));  // a frame with a caption groups its buttons

    ui::AboutWindow about([] {});
    about.showInFront();
    walk(QAccessible::queryAccessibleInterface(&about), [](QAccessibleInterface* iface) {
      QVERIFY(!iface->object() || iface->object()->objectName() != "panel");
    });
  }

  void scoreListsAreNamedTablesWithPressableHeadings() {
    showEverything();
    rowsOf("standardList").addRow("Bob", "64");
    QAccessibleInterface* table = interfaceOf("standardList");
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), QString("Standard scores"));
    QCOMPARE(interfaceOf("expertList")->text(QAccessible::Name), QString("Expert scores"));
    QAccessibleTableInterface* cells = table->tableInterface();
    QCOMPARE(cells->rowCount(), 2);
    QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), QString("Ann"));
    QCOMPARE(cells->cellAt(0, 1)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QString("Score"));

    QAccessibleInterface* heading = table->child(2);  // after the hidden corner: "Name", "Score"
    QCOMPARE(heading->role(), QAccessible::ColumnHeader);
    QCOMPARE(heading->text(QAccessible::Name), QString("Score"));
    QCOMPARE(heading->actionInterface()->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
    QCOMPARE(heading->text(QAccessible::Description), QString());
    heading->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(testing_support::listsSettled(game()));
    QCOMPARE(list("standardList")->model()->index(0, 0).data().toString(), QString("Bob"));  // bottom score to top score
    QCOMPARE(heading->text(QAccessible::Description), QString("sorted ascending"));
    // The same heading takes a second press, as a tool that keeps it presses it again.
    QVERIFY(heading->isValid());
    heading->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(testing_support::listsSettled(game()));
    QCOMPARE(list("standardList")->model()->index(0, 0).data().toString(), QString("Ann"));
    QCOMPARE(heading->text(QAccessible::Description), QString("sorted descending"));
    QCOMPARE(table->child(1)->text(QAccessible::Description), QString());  // "Name", not sorted by
    QWidget* headingRow = list("standardList")->horizontalHeader();
    QTest::keyClick(headingRow, Qt::Key_Right);  // the heading row stands for "Score"
    QVERIFY(QAccessible::queryAccessibleInterface(headingRow)->text(QAccessible::Description).startsWith("sorted descending. "));
  }

  // Each thing is heard once: a value says its caption, and the four buy buttons are told apart.
  void nothingIsHeardTwice() {
    QStringList names;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      if (!iface->state().invisible) names << iface->text(QAccessible::Name);
    });
    QVERIFY(!names.contains("Maximum Possible Score:") && !names.contains("Your Score:"));
    QVERIFY(!names.contains("product"));  // the empty product of the standard mode
    const QStringList buyButtons = {"first purchase, 1 minute (5 points)", "second purchase, 3 minutes (15 points)",
                                    "third purchase, 3 minutes (15 points)", "fourth purchase, 3 minutes (15 points)"};
    for (const QString& name : buyButtons) QCOMPARE(names.count(name), 1);
  }

  void theCalculatorsMenusHaveTheirChoiceAsValue() {
    auto* menu = static_cast<QComboBox*>(control("secondFactorMenu"));
    menu->setCurrentIndex(7);
    QAccessibleInterface* iface = interfaceOf("secondFactorMenu");
    QCOMPARE(iface->text(QAccessible::Name), QString("second factor, 7"));  // a reader says the name alone
    QCOMPARE(iface->text(QAccessible::Value), QString("7"));
    QCOMPARE(iface->valueInterface()->currentValue().toInt(), 7);
    iface->valueInterface()->setCurrentValue(3);
    QCOMPARE(menu->currentText(), QString("3"));
  }

  // Whatever a tool calls on a choice does what a click does, as the game then shows.
  void actionsOnChoicesDoWhatAClickDoes_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("action");
    for (const QString& action : {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}) {
      for (const char* choice : {"expertButton", "firstBuyButton", "staticVersionBox"}) {
        QTest::newRow(qPrintable(QString(choice) + " " + action)) << choice << action;
      }
    }
  }
  void actionsOnChoicesDoWhatAClickDoes() {
    QFETCH(QString, choice);
    QFETCH(QString, action);
    press("startButton");
    QAccessibleInterface* iface = interfaceOf(qPrintable(choice));
    QVERIFY(iface->state().checkable && !iface->state().checked);
    QVERIFY(iface->actionInterface()->actionNames().contains(action));
    iface->actionInterface()->doAction(action);
    const game::Game& played = game().game();
    if (choice == "expertButton") {
      QCOMPARE(played.mode, game::Mode::Expert);
      QCOMPARE(static_cast<QAbstractButton*>(control("helpButton"))->text(), QString("ExpHelp"));
    } else if (choice == "firstBuyButton") {
      QCOMPARE(played.purchases.size(), std::size_t{1});
    } else {
      QVERIFY(played.clockFrozen);
    }
    QVERIFY(iface->state().checked);
    QCOMPARE(interfaceOf("standardButton")->text(QAccessible::Name), QString("standard"));
  }

  void theHiddenListIsNotShowing() {
    rowsOf("expertList").addRow("Bea", "1");
    QAccessibleInterface* hidden = interfaceOf("expertList");
    QCOMPARE(QAccessible::queryAccessibleInterface(game().content())->indexOfChild(hidden), -1);
    walk(hidden, [](QAccessibleInterface* part) { QVERIFY(part->state().invisible); });
  }

  void listCellsFollowTheirRows() {
    showEverything();
    rowsOf("standardList").addRow("Bob", "64");
    QAccessibleTableInterface* table = interfaceOf("standardList")->tableInterface();
    QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QString("Bob"));
    QVERIFY(!table->cellAt(1, 0)->state().invisible);
    list("standardList")->model()->removeRow(0);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QString("Bob"));
  }

  void helpTextsThatActArePressable() {
    ui::HelpWindow help(game::Mode::Standard);
    help.showInFront();
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(help.content()->findChild<QLabel*>("closeText"));
    QCOMPARE(close->role(), QAccessible::Button);
    QCOMPARE(close->text(QAccessible::Name), QString("CLOSE"));
    QVERIFY(close->state().focusable);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(help.content()->findChild<QLabel*>("supportLink"));
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!help.isVisible());
  }

  // Help and About are dialogs that say their first words as they open; the keyboard reaches their
  // texts, which a reader goes through line by line.
  void helpAndAboutAreDialogsWithTextsToRead() {
    ui::HelpWindow help(game::Mode::Expert);
    ui::AboutWindow about([] {});
    for (auto [window, text, first] : {std::tuple<fw::Window*, const char*, const char*>{&help, "rulesText", "When you start"},
                                       {&about, "aboutText", "Veltrano ver "}}) {
      QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(window);
      QCOMPARE(dialog->role(), QAccessible::Dialog);
      QVERIFY2(dialog->text(QAccessible::Description).startsWith(first), qPrintable(dialog->text(QAccessible::Description)));
      QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(window->content()->findChild<QWidget*>(text));
      QVERIFY(readable->state().readOnly && readable->state().focusable);
      QAccessibleTextInterface* lines = readable->textInterface();
      QVERIFY(lines && lines->text(0, lines->characterCount()).startsWith(first));
    }
  }

  void helpPicturesAreDescribed() {
    ui::HelpWindow standard(game::Mode::Standard);
    ui::HelpWindow expert(game::Mode::Expert);
    for (ui::HelpWindow* help : {&standard, &expert}) {
      for (const char* name : {"boardPicture", "scoresPicture"}) {
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(help->content()->findChild<QLabel*>(name));
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QVERIFY(!picture->text(QAccessible::Name).isEmpty());
        QVERIFY(!picture->text(QAccessible::Description).isEmpty());
      }
    }
    const QString board =
        QAccessible::queryAccessibleInterface(standard.content()->findChild<QLabel*>("boardPicture"))->text(QAccessible::Description);
    QVERIFY2(board.contains("row 2 6") && board.contains("column 1 19") && board.contains("falling diagonal 18"),
             qPrintable(board));
    // A list picture names the rows it draws: six in the standard help, five in the shorter expert one.
    const auto scores = [](ui::HelpWindow& help) {
      return QAccessible::queryAccessibleInterface(help.content()->findChild<QLabel*>("scoresPicture"))
          ->text(QAccessible::Description);
    };
    QVERIFY(scores(standard).endsWith("Elena 92, Finn 56."));
    QVERIFY2(scores(expert).endsWith("Dev 64, Elena 85."), qPrintable(scores(expert)));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
