// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "app/app.h"

#include "framework/edit_commands.h"
#include "ui/help_pictures.h"

namespace {

struct EditItem {
  const char* name;
  fw::EditCommand command;
};

constexpr EditItem kEditItems[] = {
    {"EditUndo", fw::EditCommand::Undo}, {"EditCut", fw::EditCommand::Cut},
    {"EditCopy", fw::EditCommand::Copy}, {"EditPaste", fw::EditCommand::Paste},
    {"EditClear", fw::EditCommand::Clear},
};

}  // namespace

App::App(fw::Shuffle& shuffle, const std::string& scoresFolder)
    : window10_([this, &shuffle, scoresFolder] {
        return std::make_unique<Window10>(shuffle, scoresFolder, [this] { help(); });
      }),
      window2_([this] { return std::make_unique<Window2>([this] { window10().show(); }); }),
      window3_([] { return std::make_unique<Window3>(); }),
      window4_([] { return std::make_unique<Window4>(); }) {
  ui::definePictures();
  buildMenuBar();
  fw::MenuBar::setApplication(&menuBar_);
  menuBar_.attachHandler("Helpveltrano", [this] { return _Helpveltrano_Action(); });
  menuBar_.attachHandler("appleabout", [this] { return _appleabout_Action(); });
  menuBar_.setEnableItemsHandler([this] { Event_EnableMenuItems(); });
  // The Edit items work on the edit field that has the keyboard focus.
  for (const EditItem& item : kEditItems) {
    menuBar_.attachHandler(item.name, [command = item.command] {
      fw::performEditCommand(command);
      return true;
    });
  }
  menuBar_.updateItems();
}

App::~App() { fw::MenuBar::setApplication(nullptr); }

void App::buildMenuBar() {
  using fw::ItemRole;
  using fw::Shortcut;
  menuBar_.addMenu("FileMenu", "&File");
  menuBar_.addItem("FileMenu", "FileQuit", "Quit", Shortcut::Quit, true, ItemRole::Quit);
  menuBar_.addItem("FileMenu", "Helpveltrano", "HELP");
  menuBar_.addMenu("EditMenu", "&Edit");
  menuBar_.addItem("EditMenu", "EditUndo", "&Undo", Shortcut::Undo);
  menuBar_.addItem("EditMenu", "UntitledMenu0", "-");
  menuBar_.addItem("EditMenu", "EditCut", "Cu&t", Shortcut::Cut);
  menuBar_.addItem("EditMenu", "EditCopy", "&Copy", Shortcut::Copy);
  menuBar_.addItem("EditMenu", "EditPaste", "&Paste", Shortcut::Paste);
  menuBar_.addItem("EditMenu", "EditClear", "Clear");
  menuBar_.addItem("EditMenu", "appleabout", "About Veltrano", Shortcut::None, false, ItemRole::About);
}

void App::Event_EnableMenuItems() {
  menuBar_.find("Helpveltrano")->setEnabled(true);
  menuBar_.find("appleabout")->setEnabled(true);
  for (const EditItem& item : kEditItems) menuBar_.find(item.name)->setEnabled(fw::editCommandAvailable(item.command));
}

bool App::_Helpveltrano_Action() {
  help();
  return false;
}

bool App::_appleabout_Action() {
  window2().show();
  return false;
}

void App::help() {
  if (window10().RadioButton5->value()) {
    window3().show();
  } else {
    window4().show();
  }
}
