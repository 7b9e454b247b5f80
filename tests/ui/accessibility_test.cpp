// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// What a screen reader finds in the windows, walked through QAccessible as an
// assistive tool walks it, and what it hears while a game is played.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "app/app.h"
#include "game/board.h"

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

QAccessibleInterface* interfaceOf(fw::Control* control) {
  return QAccessible::queryAccessibleInterface(control->widget());
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
  fw::RandomShuffle shuffle_{3};
  std::unique_ptr<App> app_;

  Window10& game() { return app_->window10(); }
  QAccessibleInterface* gameWindow() { return QAccessible::queryAccessibleInterface(game().frame()); }

  // Shows everything the game window can show: a game, the name entry, a list row.
  void showEverything() {
    game().PushButton1->push();
    game().PushButton5->push();
    game().ListBox1->addRow("Ann");
    game().ListBox1->setCell(0, 1, "87");
  }

private slots:
  void init() {
    app_ = std::make_unique<App>(shuffle_, preferences_.path().toStdString());
    QVERIFY(QTest::qWaitForWindowExposed(game().frame()));
  }
  void cleanup() { app_.reset(); }

  void noSolutionCellIsInTheTree() {
    showEverything();
    QSet<QObject*> secret;
    for (int cell : game::kSolutionCells) secret << game().Puzzle[static_cast<std::size_t>(cell)]->widget();
    int cellsFound = 0;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      QVERIFY2(!secret.contains(iface->object()), qPrintable(iface->text(QAccessible::Name)));
      QVERIFY(!iface->text(QAccessible::Name).contains("solution"));
      if (qobject_cast<QLineEdit*>(iface->object()) && iface->object()->objectName() == "Puzzle") ++cellsFound;
    });
    QCOMPARE(cellsFound, 17);
    // Nor does any query by widget give their digits away.
    for (QObject* cell : secret) {
      QCOMPARE(QAccessible::queryAccessibleInterface(cell)->textInterface()->text(0, -1), QString());
    }
  }

  // Qt tells assistive tools of every change of a field's text (the events
  // that come with textChanged): the hidden fields' own text never changes.
  void theSolutionIsNeverHeard() {
    std::vector<std::unique_ptr<QSignalSpy>> changes;
    for (int cell : game::kSolutionCells) {
      auto* hidden = qobject_cast<QLineEdit*>(game().Puzzle[static_cast<std::size_t>(cell)]->widget());
      changes.push_back(std::make_unique<QSignalSpy>(hidden, &QLineEdit::textChanged));
    }
    game().PushButton1->push();
    QTest::mouseClick(game().RadioButton1->widget(), Qt::LeftButton, {}, QPoint(6, 10));  // buys a digit
    game().PushButton2->push();
    game().PushButton1->push();
    QVERIFY(!game().Puzzle[1]->text().empty());
    for (const auto& spy : changes) QCOMPARE(spy->count(), 0);
  }

  void everyControlOfTheGameWindowIsNamed() {
    showEverything();
    game().RadioButton6->widget()->setFocus();
    QTest::mouseClick(game().RadioButton6->widget(), Qt::LeftButton, {}, QPoint(6, 10));  // shows the calculator
    int controls = 0;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      if (!isControl(iface->role()) || iface->state().invisible) return;
      ++controls;
      const QString where = iface->object() ? iface->object()->objectName() : QString("a part of a list");
      QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(where + " has no name"));
    });
    QVERIFY(controls > 40);
  }

  void scoresAndFieldsReadWithTheirLabels() {
    showEverything();
    QCOMPARE(interfaceOf(game().StaticText2)->text(QAccessible::Name), QString("Maximum Possible Score: 100"));
    QCOMPARE(interfaceOf(game().StaticText4)->text(QAccessible::Name), QString("Your Score"));
    game().PushButton2->push();
    QCOMPARE(interfaceOf(game().StaticText4)->text(QAccessible::Name), QString("Your Score: 0"));
    QCOMPARE(interfaceOf(game().EditField1)->text(QAccessible::Name), QString("Name"));
    QCOMPARE(interfaceOf(game().PopupMenu2)->text(QAccessible::Name), QString("second factor"));
    game().PopupMenu1->setListIndex(2);
    game().PopupMenu2->setListIndex(3);
    game().PopupMenu3->setListIndex(4);
    QCOMPARE(interfaceOf(game().StaticText10)->text(QAccessible::Name), QString("product: 24"));
  }

  void decorationsAreLeftOut() {
    QStringList names;
    walk(gameWindow(), [&](QAccessibleInterface* iface) {
      if (iface->object()) names << iface->object()->objectName();
    });
    for (const QString& name : names) QVERIFY2(!name.startsWith("Line") && !name.startsWith("Separator"), qPrintable(name));
    QVERIFY(names.contains("GroupBox1"));  // a frame with a caption groups its buttons

    app_->MenuBar1().find("appleabout")->choose();
    walk(QAccessible::queryAccessibleInterface(app_->window2().frame()), [](QAccessibleInterface* iface) {
      QVERIFY(!iface->object() || iface->object()->objectName() != "RoundRectangle1");
    });
  }

  void scoreListsAreNamedTablesWithPressableHeadings() {
    showEverything();
    QAccessibleInterface* list = interfaceOf(game().ListBox1);
    QCOMPARE(list->role(), QAccessible::Table);
    QCOMPARE(list->text(QAccessible::Name), QString("Standard scores"));
    QCOMPARE(interfaceOf(game().ListBox2)->text(QAccessible::Name), QString("Expert scores"));
    QAccessibleTableInterface* table = list->tableInterface();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QString("Ann"));
    QCOMPARE(table->cellAt(0, 1)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QString("Score"));

    QAccessibleInterface* heading = list->child(2);  // after the hidden corner: "Name", "Score"
    QCOMPARE(heading->role(), QAccessible::ColumnHeader);
    QCOMPARE(heading->text(QAccessible::Name), QString("Score"));
    QCOMPARE(heading->actionInterface()->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
    heading->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(game().ListBox1->sortColumn(), 1);
  }

  void theHiddenListIsNotShowing() {
    game().ListBox2->addRow("Bea");
    QAccessibleInterface* hidden = interfaceOf(game().ListBox2);
    QVERIFY(hidden->state().invisible);
    walk(hidden, [](QAccessibleInterface* part) { QVERIFY(part->state().invisible); });
  }

  void listCellsFollowTheirRows() {
    showEverything();
    game().ListBox1->addRow("Bob");
    QAccessibleTableInterface* table = interfaceOf(game().ListBox1)->tableInterface();
    QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QString("Bob"));
    QVERIFY(!table->cellAt(1, 0)->state().invisible);
    game().ListBox1->removeRow(0);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QString("Bob"));
  }

  void helpTextsThatActArePressable() {
    Window3& help = app_->window3();
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(help.content()->findChild<QLabel*>("StaticText5"));
    QCOMPARE(close->role(), QAccessible::Button);
    QCOMPARE(close->text(QAccessible::Name), QString("CLOSE"));
    QVERIFY(close->state().focusable);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(help.content()->findChild<QLabel*>("StaticText4"));
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!help.isVisible());
  }

  void helpPicturesAreDescribed() {
    for (fw::Window* window : {static_cast<fw::Window*>(&app_->window3()), static_cast<fw::Window*>(&app_->window4())}) {
      for (const char* name : {"Canvas1", "Canvas2"}) {
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(window->content()->findChild<QLabel*>(name));
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QVERIFY(!picture->text(QAccessible::Name).isEmpty());
        QVERIFY(!picture->text(QAccessible::Description).isEmpty());
      }
      window->hide();
    }
    const QString board = QAccessible::queryAccessibleInterface(app_->window3().content()->findChild<QLabel*>("Canvas1"))
                              ->text(QAccessible::Description);
    QVERIFY2(board.contains("row 2 6") && board.contains("column 1 19") && board.contains("falling diagonal 18"),
             qPrintable(board));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
