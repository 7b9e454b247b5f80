// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The application shell: menus, the Help and About commands, the windows' lives.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app.h"
#include "framework/application.h"
#include "framework/message_dialog.h"
#include "ui/help_texts.h"

namespace {

QString labelText(fw::Window& window, const char* name) {
  return window.content()->findChild<QLabel*>(name)->text();
}

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  fw::RandomShuffle shuffle_{5};
  std::unique_ptr<App> app_;

  QAction* action(const char* name) { return app_->MenuBar1().find(name)->action(); }
  void clickHelpButton() { QTest::mouseClick(app_->window10().PushButton3->widget(), Qt::LeftButton); }
  void chooseExpert() {
    QTest::mouseClick(app_->window10().RadioButton6->widget(), Qt::LeftButton, {}, QPoint(6, 10));
  }

private slots:
  void init() {
    app_ = std::make_unique<App>(shuffle_, preferences_.path().toStdString());
    app_->window10();
  }
  void cleanup() { app_.reset(); }

  void menusHoldTheirItemsInOrder() {
    struct Item {
      const char* name;
      const char* text;
      QKeySequence shortcut;
    };
    const std::vector<Item> file = {{"FileQuit", "Quit", QKeySequence("Ctrl+Q")}, {"Helpveltrano", "HELP", {}}};
    const std::vector<Item> edit = {{"EditUndo", "&Undo", QKeySequence::Undo},
                                    {"UntitledMenu0", "", {}},
                                    {"EditCut", "Cu&t", QKeySequence::Cut},
                                    {"EditCopy", "&Copy", QKeySequence::Copy},
                                    {"EditPaste", "&Paste", QKeySequence::Paste},
                                    {"EditClear", "Clear", {}},
                                    {"appleabout", "About Veltrano", {}}};
    for (const auto& [menu, items] : {std::pair{"FileMenu", file}, std::pair{"EditMenu", edit}}) {
      const std::vector<fw::MenuItem*> shown = app_->MenuBar1().items(menu);
      QCOMPARE(shown.size(), items.size());
      for (std::size_t i = 0; i < items.size(); ++i) {
        QCOMPARE(QString::fromStdString(shown[i]->name()), QString(items[i].name));
        QCOMPARE(shown[i]->action()->text(), QString(items[i].text));
        QCOMPARE(shown[i]->action()->shortcut(), items[i].shortcut);
      }
    }
    QVERIFY(action("UntitledMenu0")->isSeparator());
    QCOMPARE(action("FileQuit")->menuRole(), QAction::QuitRole);
    QCOMPARE(action("appleabout")->menuRole(), QAction::AboutRole);

    QMenuBar* bar = app_->window10().frame()->menuBar();
    QCOMPARE(bar->actions().size(), 2);
    QCOMPARE(bar->actions()[0]->text(), QString("&File"));
    QCOMPARE(bar->actions()[1]->text(), QString("&Edit"));
  }

  void menuItemsAreEnabledAsTheyApply() {
    for (const char* name : {"FileQuit", "Helpveltrano", "appleabout"}) QVERIFY2(action(name)->isEnabled(), name);
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
      QVERIFY2(!action(name)->isEnabled(), name);
    }
    app_->MenuBar1().find("Helpveltrano")->setEnabled(false);
    app_->MenuBar1().updateItems();
    QVERIFY(action("Helpveltrano")->isEnabled());
    QVERIFY(action("FileQuit")->isEnabled());
  }

  void editItemsWorkOnTheFocusedField() {
    Window10& window = app_->window10();
    QVERIFY(QTest::qWaitForWindowActive(window.frame()));
    auto* cell = qobject_cast<QLineEdit*>(window.Puzzle[17]->widget());
    cell->setFocus();
    QTest::keyClicks(cell, "42");
    cell->selectAll();
    QApplication::clipboard()->clear();
    app_->MenuBar1().updateItems();
    QVERIFY(action("EditCopy")->isEnabled());
    QVERIFY(action("EditUndo")->isEnabled());
    QVERIFY(!action("EditPaste")->isEnabled());
    app_->MenuBar1().find("EditCut")->choose();
    QCOMPARE(cell->text(), QString());
    app_->MenuBar1().updateItems();
    QVERIFY(action("EditPaste")->isEnabled());
    QVERIFY(!action("EditCopy")->isEnabled());
    app_->MenuBar1().find("EditPaste")->choose();
    app_->MenuBar1().find("EditPaste")->choose();
    QCOMPARE(cell->text(), QString("4242"));
    cell->selectAll();
    app_->MenuBar1().updateItems();  // as the menu does when it opens
    app_->MenuBar1().find("EditClear")->choose();
    QCOMPARE(cell->text(), QString());
    app_->MenuBar1().updateItems();
    app_->MenuBar1().find("EditUndo")->choose();
    QCOMPARE(cell->text(), QString("4242"));
  }

  void helpShowsTheWindowOfTheModeOn() {
    app_->MenuBar1().find("Helpveltrano")->choose();
    QVERIFY(app_->existingWindow3() && app_->existingWindow3()->isVisible());
    QCOMPARE(app_->existingWindow3()->frame()->windowTitle(), QString("Help"));
    QVERIFY(!app_->existingWindow4());
    app_->window3().hide();

    chooseExpert();
    clickHelpButton();
    QVERIFY(app_->existingWindow4() && app_->existingWindow4()->isVisible());
    QCOMPARE(app_->existingWindow4()->frame()->windowTitle(), QString("Expert Help"));
    QVERIFY(!app_->existingWindow3()->isVisible());
    app_->window4().hide();

    // The button's caption says "ExpHelp" only as a label; the mode decides.
    app_->window10().PushButton3->setCaption("HELP");
    clickHelpButton();
    QVERIFY(app_->window4().isVisible());
  }

  void helpWindowsAreModalAndSizedAsLaidOut() {
    Window3& help = app_->window3();
    QCOMPARE(help.frame()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(help.content()->size(), QSize(867, 737));
    QCOMPARE(help.frame()->minimumSize(), help.frame()->maximumSize());
    Window4& expert = app_->window4();
    QCOMPARE(expert.content()->size(), QSize(872, 739));
    QVERIFY(expert.frame()->maximumSize().width() == 32000);
    Window2& about = app_->window2();
    QCOMPARE(about.frame()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about.content()->size(), QSize(363, 359));
  }

  void hidingKeepsTheWindowAndClosingMakesItAnew() {
    clickHelpButton();
    Window3* first = app_->existingWindow3();
    QVERIFY(first);
    first->frame()->move(40, 50);
    QTest::mouseClick(first->content()->findChild<QLabel*>("StaticText5"), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    clickHelpButton();
    QCOMPARE(app_->existingWindow3(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->frame()->pos(), QPoint(40, 50));

    first->close();
    QVERIFY(!app_->existingWindow3());
    clickHelpButton();
    QVERIFY(app_->existingWindow3() != nullptr);
    QVERIFY(app_->existingWindow3()->isVisible());
  }

  void keysCloseHelpAndAbout_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");  // empty: wherever the focus is
    QTest::newRow("Escape in Help") << "Help" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape in Expert Help") << "Expert Help" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape in About") << "About" << int(Qt::Key_Escape) << "";
    QTest::newRow("Return where Help opens") << "Help" << int(Qt::Key_Return) << "";
    QTest::newRow("Return on CLOSE") << "Help" << int(Qt::Key_Return) << "StaticText5";
    QTest::newRow("Space on CLOSE") << "Expert Help" << int(Qt::Key_Space) << "StaticText5";
    QTest::newRow("Return on Close") << "About" << int(Qt::Key_Return) << "PushButton1";
  }
  void keysCloseHelpAndAbout() {
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, focused);
    fw::Window* shown = window == "Help"          ? static_cast<fw::Window*>(&app_->window3())
                        : window == "Expert Help" ? static_cast<fw::Window*>(&app_->window4())
                                                  : static_cast<fw::Window*>(&app_->window2());
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown->frame()));
    if (!focused.isEmpty()) {
      QWidget* target = shown->content()->findChild<QWidget*>(focused);
      target->setFocus(Qt::TabFocusReason);
      QCOMPARE(QApplication::focusWidget(), target);
    }
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown->frame(), Qt::Key(key));
    QVERIFY(!shown->isVisible());
    QVERIFY(app_->existingWindow10());
  }

  void helpTextsStandInTheirPlaces_data() {
    QTest::addColumn<bool>("expert");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("standard rules") << false << "StaticText1" << QString(ui::kStandardRules) << 8;
    QTest::newRow("standard score list") << false << "StaticText2" << QString(ui::kStandardScoreList) << 1;
    QTest::newRow("standard support") << false << "StaticText3" << "Support:" << 1;
    QTest::newRow("standard link") << false << "StaticText4" << QString(ui::kSupportLink) << 1;
    QTest::newRow("standard close") << false << "StaticText5" << "CLOSE" << 1;
    QTest::newRow("expert rules") << true << "StaticText1" << QString(ui::kExpertRules) << 9;
    QTest::newRow("expert link") << true << "StaticText3" << QString(ui::kSupportLink) << 1;
    QTest::newRow("expert score list") << true << "StaticText4" << QString(ui::kExpertScoreList) << 2;
  }

  void helpTextsStandInTheirPlaces() {
    QFETCH(bool, expert);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, paragraphs);
    fw::Window& help = expert ? static_cast<fw::Window&>(app_->window4()) : app_->window3();
    const QString shown = labelText(help, qPrintable(label));
    QCOMPARE(shown, text);
    QCOMPARE(shown.split("\n\n").size(), paragraphs);
  }

  // Both modes explain the heading clicks alike; the expert rules add the calculator.
  void theModesShareTheirCommonParagraphs() {
    QVERIFY(QString(ui::kExpertScoreList).endsWith(ui::kStandardScoreList));
    QVERIFY(QString(ui::kStandardRules).startsWith("When you start you will be given the numbers like 18, 15,"));
    QVERIFY(QString(ui::kExpertRules).contains("You can use the calculator at the top to help with the multiplication."));
  }

  void helpPicturesAreDrawnAtTheirCanvasSizes() {
    for (fw::Window* window : {static_cast<fw::Window*>(&app_->window3()), static_cast<fw::Window*>(&app_->window4())}) {
      for (const char* name : {"Canvas1", "Canvas2"}) {
        auto* canvas = window->content()->findChild<QLabel*>(name);
        QVERIFY(!canvas->pixmap().isNull());
        QCOMPARE(canvas->pixmap().deviceIndependentSize().toSize(), canvas->size());
      }
    }
  }

  void aboutCloseHidesAndLeavesTheGameAlone() {
    Window10* game = &app_->window10();
    game->PushButton1->push();
    const std::string target = game->Puzzle[4]->text();
    app_->MenuBar1().find("appleabout")->choose();
    Window2& about = app_->window2();
    QVERIFY(about.isVisible());
    QCOMPARE(labelText(about, "StaticText1"), QString("Veltrano ver 3.2"));
    about.PushButton1_Action();
    QVERIFY(!about.isVisible());
    QCOMPARE(app_->existingWindow10(), game);
    QCOMPARE(game->Puzzle[4]->text(), target);
  }

  void closingAboutBringsBackAFreshGameWindow() {
    app_->window10().PushButton1->push();
    chooseExpert();
    app_->window10().close();
    QVERIFY(!app_->existingWindow10());
    app_->window2().close();
    Window10* fresh = app_->existingWindow10();
    QVERIFY(fresh);
    QVERIFY(fresh->isVisible());
    QVERIFY(fresh->RadioButton5->value());
    QCOMPARE(fresh->Puzzle[4]->text(), std::string());
    QCOMPARE(fresh->StaticText11->text(), std::string("Standard"));
  }

  void helpAfterTheGameWindowClosedMakesANewOne() {
    app_->window10().close();
    app_->MenuBar1().find("Helpveltrano")->choose();
    QVERIFY(app_->existingWindow10());
    QVERIFY(app_->window3().isVisible());
  }

  // Last: the application stays quitting afterwards.
  void theSystemsQuitRequestSavesWithoutAskingAnything() {
    fw::quitOnTerminationRequests({});
    Window10& game = app_->window10();
    game.PushButton5->push();
    game.EditField1->setText("Ann");
    game.PushButton6->push();
    app_->window3().show();
    bool asked = false;
    fw::MessageDialog::setAnswerer([&asked](const fw::MessageDialog&) {
      asked = true;
      return fw::MessageDialog::Button::Cancel;
    });
    // And the save fails, a folder in the file's place: nobody is there to choose.
    QDir folder(preferences_.path());
    QVERIFY(folder.remove("Veltrano.prefs") && folder.mkdir("Veltrano.prefs"));
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    QCoreApplication::processEvents();
    fw::MessageDialog::setAnswerer({});
    QVERIFY(!asked);
    QVERIFY(!app_->existingWindow10());
    QVERIFY(!app_->existingWindow3());
    QVERIFY(fw::isQuitting());
  }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
