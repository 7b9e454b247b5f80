// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The application shell: the menus' commands, Help and About, the windows' lives.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QPointer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "../ui/dialog_answers.h"
#include "../ui/lists_settled.h"
#include "app/app.h"
#include "framework/window/application.h"
#include "framework/window/message_dialog.h"
#include "ui/help_texts.h"

class AppTest : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  game::RandomShuffler shuffler_{5};
  std::unique_ptr<app::App> app_;

  // A menu item, as the game window's menu bar holds it.
  QAction* item(const char* name) {
    for (QAction* menu : app_->gameWindow().menuBar()->actions()) {
      if (QAction* found = menu->menu() ? menu->menu()->findChild<QAction*>(name) : nullptr) return found;
    }
    qFatal("no menu item %s", name);
  }
  // Opens the menu of the item as far as the game cares: its items are brought up to date.
  void openMenuOf(const char* name) { emit static_cast<QMenu*>(item(name)->parent())->aboutToShow(); }
  // The window of that title among the application's, as the player finds it; none before it is made.
  template <class W>
  W* window(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* found = dynamic_cast<W*>(widget); found && widget->windowTitle() == title) return found;
    }
    return nullptr;
  }
  ui::HelpWindow* helpWindow(game::Mode mode) {
    return window<ui::HelpWindow>(mode == game::Mode::Standard ? "Help" : "Expert Help");
  }
  ui::AboutWindow& shownAbout() {
    app_->showAbout();
    return *window<ui::AboutWindow>("About");
  }
  template <class W = QWidget>
  W* gameControl(const char* name) {
    return app_->gameWindow().content()->findChild<W*>(name);
  }
  void clickHelpButton() { QTest::mouseClick(gameControl("helpButton"), Qt::LeftButton); }
  void chooseExpert() { QTest::mouseClick(gameControl("expertButton"), Qt::LeftButton, {}, QPoint(6, 10)); }
  // A label's text, or a text's the keyboard reaches.
  QString shownText(fw::Window& window, const char* control) {
    if (auto* text = window.content()->findChild<QPlainTextEdit*>(control)) return text->toPlainText();
    return window.content()->findChild<QLabel*>(control)->text();
  }

private slots:
  void init() {
    app_ = std::make_unique<app::App>(shuffler_, preferences_.path().toStdString());
    app_->showGame();
    QVERIFY(testing_support::listsSettled(app_->gameWindow()));
  }
  void cleanup() { app_.reset(); }

  void editItemsWorkOnTheFocusedField() {
    for (const char* name : {"undoItem", "cutItem", "copyItem", "pasteItem", "clearItem"}) {
      QVERIFY2(!item(name)->isEnabled(), name);
    }
    QVERIFY(QTest::qWaitForWindowActive(&app_->gameWindow()));
    auto* cell = gameControl<QLineEdit>("square0");
    cell->setFocus();
    QTest::keyClicks(cell, "42");
    cell->selectAll();
    QApplication::clipboard()->clear();
    openMenuOf("copyItem");
    QVERIFY(item("copyItem")->isEnabled());
    QVERIFY(item("undoItem")->isEnabled());
    QVERIFY(!item("pasteItem")->isEnabled());
    item("cutItem")->trigger();
    QCOMPARE(cell->text(), QString());
    openMenuOf("copyItem");
    QVERIFY(item("pasteItem")->isEnabled());
    QVERIFY(!item("copyItem")->isEnabled());
    item("pasteItem")->trigger();
    item("pasteItem")->trigger();
    QCOMPARE(cell->text(), QString("4242"));
    cell->selectAll();
    openMenuOf("copyItem");
    item("clearItem")->trigger();
    QCOMPARE(cell->text(), QString());
    openMenuOf("copyItem");
    item("undoItem")->trigger();
    QCOMPARE(cell->text(), QString("4242"));
    QCOMPARE(app_->gameWindow().game().squares[0], "4242");
  }

  void helpShowsTheWindowOfTheModeOn() {
    item("helpItem")->trigger();
    ui::HelpWindow* standard = helpWindow(game::Mode::Standard);
    QVERIFY(standard && standard->isVisible());
    QCOMPARE(standard->windowModality(), Qt::ApplicationModal);
    QVERIFY(!helpWindow(game::Mode::Expert));
    standard->hide();

    chooseExpert();
    clickHelpButton();
    ui::HelpWindow* expert = helpWindow(game::Mode::Expert);
    QVERIFY(expert && expert->isVisible());
    QVERIFY(!standard->isVisible());

    // F1, in any window, shown beside the menu item as desktop menus show their keys.
    expert->hide();
    app_->gameWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->gameWindow()));
    QTest::keyClick(&app_->gameWindow(), Qt::Key_F1);
    QVERIFY(expert->isVisible());
    QCOMPARE(item("helpItem")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    QCOMPARE(item("helpItem")->text(), QString("&HELP"));
  }

  void hidingKeepsTheWindowAndItsPlaceAndClosingMakesItAnew() {
    item("aboutItem")->trigger();
    ui::AboutWindow& about = *window<ui::AboutWindow>("About");
    about.move(40, 50);
    about.content()->findChild<QPushButton*>("closeButton")->click();
    item("aboutItem")->trigger();
    QCOMPARE(about.pos(), QPoint(40, 50));

    clickHelpButton();
    QPointer<ui::HelpWindow> first = helpWindow(game::Mode::Standard);
    QTest::mouseClick(first->content()->findChild<QLabel*>("closeText"), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    clickHelpButton();
    QCOMPARE(helpWindow(game::Mode::Standard), first);
    QVERIFY(first->isVisible());

    first->close();
    clickHelpButton();
    QVERIFY(!first);  // gone, and a new one shown
    QVERIFY(helpWindow(game::Mode::Standard)->isVisible());
  }

  void keysCloseHelpAndAbout_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");  // empty: wherever the focus is
    QTest::newRow("Escape in Help") << "Help" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape in Expert Help") << "Expert Help" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape in About") << "About" << int(Qt::Key_Escape) << "";
    QTest::newRow("Return where Help opens") << "Help" << int(Qt::Key_Return) << "";
    QTest::newRow("Return on CLOSE") << "Help" << int(Qt::Key_Return) << "closeText";
    QTest::newRow("Space on CLOSE") << "Expert Help" << int(Qt::Key_Space) << "closeText";
    QTest::newRow("Return on Close") << "About" << int(Qt::Key_Return) << "closeButton";
  }
  void keysCloseHelpAndAbout() {
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, focused);
    if (window == "About") {
      app_->showAbout();
    } else {
      if (window == "Expert Help") chooseExpert();
      app_->showHelp();
    }
    fw::Window* shown = this->window<fw::Window>(window);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    if (!focused.isEmpty()) {
      QWidget* target = shown->content()->findChild<QWidget*>(focused);
      target->setFocus(Qt::TabFocusReason);
      QCOMPARE(QApplication::focusWidget(), target);
    }
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown, Qt::Key(key));
    QVERIFY(!shown->isVisible());
    QVERIFY(app_->existingGameWindow());
  }

  // Left on the support link, the focus would have the next Return write an e-mail.
  void helpAndAboutTakeTheFocusToCloseAtEveryShowing() {
    for (const char* name : {"help", "about"}) {
      const bool help = std::string(name) == "help";
      help ? app_->showHelp() : app_->showAbout();
      fw::Window& window = *this->window<fw::Window>(help ? "Help" : "About");
      const char* close = help ? "closeText" : "closeButton";
      QVERIFY(QTest::qWaitForWindowActive(&window));
      // The focus goes elsewhere: to the support link, or nowhere where nothing else takes it.
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QWidget* focus = QApplication::focusWidget(); focus && focus->objectName() == close) focus->clearFocus();
      QTest::keyClick(&window, Qt::Key_Escape);
      help ? app_->showHelp() : app_->showAbout();
      QWidget* focus = window.focusWidget();  // where the keys go while the window is active
      QVERIFY(focus);
      QCOMPARE(focus->objectName(), QString(close));
      QTest::keyClick(focus, Qt::Key_Return);
      QVERIFY2(!window.isVisible(), name);
    }
  }

  // Help is wider than the offscreen screen: it opens at its top left every time, with CLOSE focused and in
  // view, and CLOSE stays in view however the window is sized and scrolled.
  void helpOpensAtItsTopWithCloseInView() {
    chooseExpert();
    app_->showHelp();
    ui::HelpWindow& help = *helpWindow(game::Mode::Expert);
    auto* scroller = help.findChild<QScrollArea*>();
    QWidget* close = help.content()->findChild<QWidget*>("closeText");
    const auto closeInView = [&] {
      return scroller->viewport()->rect().contains(QRect(close->mapTo(scroller->viewport(), QPoint(0, 0)), close->size()));
    };
    for (int showing = 0; showing < 2; ++showing) {
      QVERIFY(QTest::qWaitForWindowActive(&help));
      QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
      QCOMPARE(scroller->horizontalScrollBar()->value(), 0);
      QCOMPARE(scroller->verticalScrollBar()->value(), 0);
      QCOMPARE(help.focusWidget(), close);
      QVERIFY(closeInView());
      help.resize(500, 400);
      QVERIFY(QTest::qWaitFor([&] { return scroller->verticalScrollBar()->maximum() > 0; }));
      QVERIFY(closeInView());
      scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
      scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
      QVERIFY(closeInView());
      QCOMPARE(close->pos(), QPoint(730, 679));  // at the bottom right, at its own place
      help.hide();
      app_->showHelp();
    }
  }

  // A desktop that takes some of a window's height gets a vertical scroll bar, and not a second one
  // for the width that bar takes: the window grows by it. A width the player chose is kept.
  void aWindowMadeShorterGrowsByItsScrollBarRatherThanScrollSideways_data() {
    QTest::addColumn<int>("narrower");
    QTest::addColumn<bool>("grows");
    QTest::newRow("the desktop's height") << 0 << true;
    QTest::newRow("the player's narrower size") << 5 << false;
  }
  void aWindowMadeShorterGrowsByItsScrollBarRatherThanScrollSideways() {
    QFETCH(int, narrower);
    QFETCH(bool, grows);
    ui::AboutWindow& about = shownAbout();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* scroller = about.findChild<QScrollArea*>();
    const QSize whole = about.size();
    about.resize(whole.width() - narrower, whole.height() - 60);
    QVERIFY(QTest::qWaitFor([&] { return scroller->verticalScrollBar()->maximum() > 0; }));
    const int bar = about.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
    if (grows) {
      QVERIFY(QTest::qWaitFor([&] { return about.width() == whole.width() + bar; }));
      QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
    } else {
      QCoreApplication::processEvents();
      QCOMPARE(about.width(), whole.width() - narrower);
    }
  }

  void helpWindowsShowTheirTextsAndPictures_data() {
    QTest::addColumn<bool>("expert");
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("ruleParagraphs");
    QTest::addColumn<QString>("scoreList");
    QTest::newRow("standard") << false << ui::standardRules() << 8 << ui::standardScoreList();
    QTest::newRow("expert") << true << ui::expertRules() << 9 << ui::expertScoreList();
  }
  void helpWindowsShowTheirTextsAndPictures() {
    QFETCH(bool, expert);
    QFETCH(QString, rules);
    QFETCH(int, ruleParagraphs);
    QFETCH(QString, scoreList);
    if (expert) chooseExpert();
    app_->showHelp();
    ui::HelpWindow& help = *helpWindow(expert ? game::Mode::Expert : game::Mode::Standard);
    QCOMPARE(shownText(help, "rulesText"), rules);
    QCOMPARE(rules.split("\n\n").size(), ruleParagraphs);
    QCOMPARE(shownText(help, "scoreListText"), scoreList);
    QCOMPARE(shownText(help, "supportLink"), QString(ui::kSupportLink));
    QCOMPARE(shownText(help, "closeText"), QString("CLOSE"));
    // Both modes explain the heading clicks alike; the expert rules add the calculator.
    QVERIFY(ui::expertScoreList().endsWith(ui::standardScoreList()));
    QVERIFY(rules.contains(expert ? "You can use the calculator at the top to help with the multiplication."
                                  : "When you start you will be given the numbers like 18, 15,"));
    for (const char* name : {"boardPicture", "scoresPicture"}) {
      auto* picture = help.content()->findChild<QLabel*>(name);
      QVERIFY(!picture->pixmap().isNull());
      QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->size());
    }
  }

  void aboutCloseHidesAndLeavesTheGameAlone() {
    ui::GameWindow* game = &app_->gameWindow();
    static_cast<QPushButton*>(gameControl("startButton"))->click();
    const std::string target = game->game().targets[0];
    item("aboutItem")->trigger();
    ui::AboutWindow& about = *window<ui::AboutWindow>("About");
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    QCOMPARE(shownText(about, "aboutText"), QString("Veltrano ver 3.2"));
    about.content()->findChild<QPushButton*>("closeButton")->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(app_->existingGameWindow(), game);
    QCOMPARE(game->game().targets[0], target);
  }

  void closingAboutBringsBackAFreshGameWindow() {
    static_cast<QPushButton*>(gameControl("startButton"))->click();
    chooseExpert();
    app_->gameWindow().close();
    QVERIFY(QTest::qWaitFor([this] { return !app_->existingGameWindow(); }));
    shownAbout().close();
    ui::GameWindow* fresh = app_->existingGameWindow();
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(fresh->game().mode, game::Mode::Standard);
    QCOMPARE(fresh->game().targets[0], std::string());
    QCOMPARE(shownText(*fresh, "modeLabel"), QString("Standard"));
  }

  void helpAfterTheGameWindowClosedMakesANewOne() {
    app_->gameWindow().close();
    QVERIFY(QTest::qWaitFor([this] { return !app_->existingGameWindow(); }));
    item("helpItem")->trigger();
    QVERIFY(app_->existingGameWindow());
    QVERIFY(helpWindow(game::Mode::Standard)->isVisible());
  }

  // Last: the application stays quitting afterwards.
  void theSystemsQuitRequestSavesWithoutAskingAnything() {
    fw::quitOnTerminationRequests({});
    static_cast<QPushButton*>(gameControl("scoreButton"))->click();
    gameControl<QLineEdit>("nameField")->setText("Ann");
    static_cast<QPushButton*>(gameControl("recordButton"))->click();
    QVERIFY(testing_support::listsSettled(app_->gameWindow()));
    app_->showHelp();
    testing_support::DialogAnswers dialogs([](const auto&, QMessageBox&) { return fw::MessageDialog::Button::Cancel; });
    // And the save fails, a folder in the file's place: nobody is there to choose.
    QDir folder(preferences_.path());
    QVERIFY(folder.remove("Veltrano.prefs") && folder.mkdir("Veltrano.prefs"));
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    QCoreApplication::processEvents();
    QVERIFY(dialogs.shown().empty());
    QVERIFY(!app_->existingGameWindow());
    QVERIFY(!helpWindow(game::Mode::Standard)->isVisible());
    QVERIFY(fw::isQuitting());
  }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
