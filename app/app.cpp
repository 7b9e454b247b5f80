// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/app.h"

#include <QAction>
#include <QCoreApplication>

#include "app/edit_commands.h"
#include "framework/window/application.h"

namespace app {

namespace {

struct EditItem {
  const char* name;
  const char* text;
  EditCommand command;
  QKeySequence::StandardKey key;
};

constexpr EditItem kEditItems[] = {
    {"undoItem", QT_TRANSLATE_NOOP("App", "&Undo"), EditCommand::Undo, QKeySequence::Undo},
    {"cutItem", QT_TRANSLATE_NOOP("App", "Cu&t"), EditCommand::Cut, QKeySequence::Cut},
    {"copyItem", QT_TRANSLATE_NOOP("App", "&Copy"), EditCommand::Copy, QKeySequence::Copy},
    {"pasteItem", QT_TRANSLATE_NOOP("App", "&Paste"), EditCommand::Paste, QKeySequence::Paste},
    //: Edit menu: deletes the selected text.
    {"clearItem", QT_TRANSLATE_NOOP("App", "Cl&ear"), EditCommand::Clear, QKeySequence::UnknownKey},
};

}  // namespace

App::App(game::Shuffler& shuffler, const std::string& scoresFolder)
    : fileMenu_(tr("&File")),
      editMenu_(tr("&Edit")),
      gameWindow_([this, &shuffler, scoresFolder] {
        return std::make_unique<ui::GameWindow>(shuffler, scoresFolder, [this] { showHelp(); });
      }),
      aboutWindow_([this] { return std::make_unique<ui::AboutWindow>([this] { showGame(); }); }),
      standardHelp_([] { return std::make_unique<ui::HelpWindow>(game::Mode::Standard); }),
      expertHelp_([] { return std::make_unique<ui::HelpWindow>(game::Mode::Expert); }) {
  makeMenus();
  fw::Window::setMenus({&fileMenu_, &editMenu_});
}

App::~App() { fw::Window::setMenus({}); }

void App::makeMenus() {
  //: File menu: ends the game program.
  QAction* quit = fileMenu_.addAction(tr("&Quit"), [] { fw::quitApplication(0); });
  quit->setObjectName("quitItem");
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit->setMenuRole(QAction::QuitRole);
  // F1, the desktop's key for help, shown beside the item as desktop menus show
  // their keys; it works in every window, each of which has the menus.
  //: File menu: the help of the current mode. The capitals copy the game
  //: window's button "HELP"; write it as your language's menus write "Help".
  QAction* help = fileMenu_.addAction(tr("&HELP"), [this] { showHelp(); });
  help->setObjectName("helpItem");
  help->setShortcut(QKeySequence::HelpContents);

  for (const EditItem& item : kEditItems) {
    QAction* action = editMenu_.addAction(tr(item.text), [command = item.command] { performEditCommand(command); });
    action->setObjectName(item.name);
    action->setShortcut(item.key);
    // A separator follows Undo, as on other desktops.
    if (item.command == EditCommand::Undo) editMenu_.addSeparator();
  }
  //: Edit menu: the window with the game's name and version.
  QAction* about = editMenu_.addAction(tr("&About Veltrano"), [this] { showAbout(); });
  about->setObjectName("aboutItem");
  about->setMenuRole(QAction::AboutRole);

  for (QMenu* menu : {&fileMenu_, &editMenu_}) QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { updateEditItems(); });
  updateEditItems();
}

void App::updateEditItems() {
  for (const EditItem& item : kEditItems) {
    editMenu_.findChild<QAction*>(item.name)->setEnabled(editCommandAvailable(item.command));
  }
}

void App::showGame() { gameWindow().open(); }

void App::showHelp() {
  const game::Mode mode = gameWindow().game().mode;
  (mode == game::Mode::Standard ? standardHelp_ : expertHelp_).get().showInFront();
}

void App::showAbout() { aboutWindow_.get().showInFront(); }

}  // namespace app
