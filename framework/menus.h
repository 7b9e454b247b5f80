// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The application's menu bar: menus of named items, shown in every window.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QMainWindow;

namespace fw {

enum class Shortcut { None, Quit, Undo, Cut, Copy, Paste };
// Where a platform with an application menu puts the item.
enum class ItemRole { Plain, Quit, About };

class MenuItem {
public:
  MenuItem(std::string name, QAction* action, bool autoEnable);
  const std::string& name() const { return name_; }
  bool enabled() const;
  void setEnabled(bool enabled);
  bool autoEnable() const { return autoEnable_; }
  QAction* action() const { return action_; }
  // Chooses the item, as a click on it does.
  void choose();

private:
  std::string name_;
  QAction* action_;
  bool autoEnable_;
};

class MenuBar {
public:
  MenuBar();
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  MenuItem& addMenu(const std::string& name, const std::string& text);
  // Appends an item to a menu; the text "-" makes a separator line.
  MenuItem& addItem(const std::string& menuName, const std::string& name, const std::string& text,
                    Shortcut shortcut = Shortcut::None, bool autoEnable = false, ItemRole role = ItemRole::Plain);
  // Searches every menu for the item of that name.
  MenuItem* find(std::string_view name) const;
  std::vector<MenuItem*> items(std::string_view menuName) const;

  // Runs when the item is chosen (a quit item quits when it has none).
  void attachHandler(const std::string& itemName, std::function<bool()> handler);
  // Runs whenever the menus are brought up to date, after every item
  // without automatic enabling has been disabled.
  void setEnableItemsHandler(std::function<void()> handler);
  void updateItems();

  // Shows the menu bar in a window.
  void attachTo(QMainWindow* window) const;

  // The menu bar every window shows; none until one is set.
  static MenuBar* application();
  static void setApplication(MenuBar* bar);

private:
  struct Entry;
  Entry* entry(std::string_view name) const;

  std::vector<std::unique_ptr<Entry>> entries_;
  std::vector<std::unique_ptr<QMenu>> menus_;
  std::function<void()> enableItems_;
};

}  // namespace fw
