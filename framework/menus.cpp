// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/menus.h"

#include "framework/qt_conversions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "framework/application.h"
#include "framework/text.h"

namespace fw {

struct MenuBar::Entry {
  MenuItem item;
  QMenu* menu;  // for a menu title: its menu; else the menu it stands in
  std::function<bool()> handler;
};

namespace {

MenuBar*& applicationBar() {
  static MenuBar* bar = nullptr;
  return bar;
}

QKeySequence keyOf(Shortcut shortcut) {
  switch (shortcut) {
    case Shortcut::Quit: return QKeySequence(Qt::CTRL | Qt::Key_Q);
    case Shortcut::Undo: return QKeySequence::Undo;
    case Shortcut::Cut: return QKeySequence::Cut;
    case Shortcut::Copy: return QKeySequence::Copy;
    case Shortcut::Paste: return QKeySequence::Paste;
    case Shortcut::None: break;
  }
  return {};
}

QAction::MenuRole roleOf(ItemRole role) {
  switch (role) {
    case ItemRole::Quit: return QAction::QuitRole;
    case ItemRole::About: return QAction::AboutRole;
    case ItemRole::Plain: break;
  }
  return QAction::NoRole;
}

}  // namespace

MenuItem::MenuItem(std::string name, QAction* action, bool autoEnable)
    : name_(std::move(name)), action_(action), autoEnable_(autoEnable) {}

bool MenuItem::enabled() const { return action_->isEnabled(); }
void MenuItem::setEnabled(bool enabled) { action_->setEnabled(enabled); }
void MenuItem::choose() { action_->trigger(); }

MenuBar::MenuBar() = default;
MenuBar::~MenuBar() {
  if (applicationBar() == this) applicationBar() = nullptr;
}

MenuBar* MenuBar::application() { return applicationBar(); }
void MenuBar::setApplication(MenuBar* bar) { applicationBar() = bar; }

MenuItem& MenuBar::addMenu(const std::string& name, const std::string& text) {
  auto menu = std::make_unique<QMenu>(toQ(text));
  menu->setObjectName(toQ(name));
  QObject::connect(menu.get(), &QMenu::aboutToShow, menu.get(), [this] { updateItems(); });
  entries_.push_back(std::make_unique<Entry>(Entry{MenuItem(name, menu->menuAction(), true), menu.get(), {}}));
  menus_.push_back(std::move(menu));
  return entries_.back()->item;
}

MenuItem& MenuBar::addItem(const std::string& menuName, const std::string& name, const std::string& text,
                           Shortcut shortcut, bool autoEnable, ItemRole role) {
  QMenu* menu = entry(menuName)->menu;
  QAction* action = text == "-" ? menu->addSeparator() : menu->addAction(toQ(text));
  action->setObjectName(toQ(name));
  action->setShortcut(keyOf(shortcut));
  action->setMenuRole(roleOf(role));
  action->setEnabled(autoEnable);
  entries_.push_back(std::make_unique<Entry>(Entry{MenuItem(name, action, autoEnable), menu, {}}));
  Entry* added = entries_.back().get();
  QObject::connect(action, &QAction::triggered, action, [added, role] {
    if (added->handler) {
      added->handler();
    } else if (role == ItemRole::Quit) {
      quitApplication(0);
    }
  });
  return added->item;
}

MenuBar::Entry* MenuBar::entry(std::string_view name) const {
  for (const auto& e : entries_) {
    if (textEquals(e->item.name(), name)) return e.get();
  }
  return nullptr;
}

MenuItem* MenuBar::find(std::string_view name) const {
  Entry* found = entry(name);
  return found ? &found->item : nullptr;
}

std::vector<MenuItem*> MenuBar::items(std::string_view menuName) const {
  std::vector<MenuItem*> inMenu;
  const Entry* title = entry(menuName);
  for (const auto& e : entries_) {
    if (e.get() != title && title && e->menu == title->menu) inMenu.push_back(&e->item);
  }
  return inMenu;
}

void MenuBar::attachHandler(const std::string& itemName, std::function<bool()> handler) {
  entry(itemName)->handler = std::move(handler);
}

void MenuBar::setEnableItemsHandler(std::function<void()> handler) { enableItems_ = std::move(handler); }

void MenuBar::updateItems() {
  for (const auto& e : entries_) {
    if (!e->item.autoEnable()) e->item.setEnabled(false);
  }
  if (enableItems_) enableItems_();
}

void MenuBar::attachTo(QMainWindow* window) const {
  auto* bar = new QMenuBar(window);
  for (const auto& menu : menus_) bar->addMenu(menu.get());
  window->setMenuBar(bar);
}

}  // namespace fw
