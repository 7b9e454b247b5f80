// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A window of controls at fixed places in a content area below the
// application's menus, with the keys and the closing every window shares.

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace fw {

class Window : public QMainWindow {
  Q_OBJECT

public:
  // The window's menus and controls are in the font, its own: a theme's
  // later change of the application font would resize the menu bar and,
  // with it, the window.
  explicit Window(const QFont& font);
  ~Window() override;

  // The menus every window made from now on shows in its menu bar, and the
  // actions whose shortcuts work in it without a menu item.
  static void setMenus(QList<QMenu*> menus, QList<QAction*> shortcuts = {});

  // The area the controls are laid out in, below the menu bar. On a screen
  // too small for it, or in a window made smaller, it scrolls, keeping the
  // focused control in view; its controls keep their places in it.
  QWidget* content() const { return content_; }
  void setContentSize(int width, int height);
  // A window that is not resizable keeps its size (or the screen's, if that
  // is smaller) and has no minimise or maximise buttons.
  void setResizable(bool resizable);
  // The control that takes the focus whenever the window is shown.
  void setFocusOnShow(QWidget* control) { focusOnShow_ = control; }
  // A control of the content area that stays in view however the area
  // scrolls: where the window shows less than the whole area, it keeps its
  // distance from the shown part's bottom right corner, drawn over the
  // controls it covers. In a whole window it stands at its place.
  void keepInView(QWidget* control);
  // Shows the window in front of the others, with the keyboard focus.
  void showInFront();
  // Runs once the window has closed.
  void setClosedHandler(std::function<void()> handler);
  // Runs the work once the event loop is running, unless the window is gone by then.
  void runSoon(std::function<void()> work);

protected:
  // Asked when the window is about to close: true keeps it open.
  virtual bool keepOpen() { return false; }
  // Runs once the window has closed, before the closed handler.
  virtual void whenClosed() {}

  // Return and Enter press the push button that has the keyboard focus; in a
  // field given a button of its own they press that one; anywhere else, the default one.
  void setDefaultButton(QPushButton* button);
  void setReturnButton(QLineEdit* field, QPushButton* button);
  // Runs when Escape is pressed in the window.
  void setEscapeHandler(std::function<void()> handler);

  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The button Return stands for now, or nullptr.
  QPushButton* returnButton() const;
  // Presses the button Return stands for; false when there is none.
  bool pressReturn();
  // The window's whole size, or as much of it as the screen has room for.
  void fitToScreen();
  void placeKeptInView();
  // Grows the window by a scroll bar that only the other bar made needed.
  void makeRoomForScrollBars();

  QScrollArea* scroller_;
  QWidget* content_;
  QWidget* focusOnShow_ = nullptr;
  QWidget* keptInView_ = nullptr;
  QPoint keptInViewPlace_;
  bool resizable_ = true;
  bool fittedDown_ = false;
  QSize asked_;  // the size the window last gave itself
  bool framed_ = false;
  QPointer<QWidget> openedOver_;  // the window that was active when it was shown in front
  // Where the window stood when it was hidden: it comes back there.
  std::optional<QPoint> hiddenAt_;
  std::function<void()> closed_;
  std::function<void()> escape_;
  QPushButton* defaultButton_ = nullptr;
  QPointer<QPushButton> framedButton_;  // the one drawn as the default: Return presses it
  std::map<const QLineEdit*, QPushButton*> returnButtons_;
  bool deciding_ = false;
  bool watchingClose_ = false;
};

// The one window of a class: made on first use, made anew after it was closed.
template <class W>
class SingleWindow {
public:
  explicit SingleWindow(std::function<std::unique_ptr<W>()> make) : make_(std::move(make)) {}

  W& get() {
    // A closed window may still be on the stack when it retires; it is freed on a later use.
    retired_.reset();
    if (!window_) {
      window_ = make_();
      window_->setClosedHandler([this] { retired_ = std::move(window_); });
    }
    return *window_;
  }
  W* existing() const { return window_.get(); }

private:
  std::function<std::unique_ptr<W>()> make_;
  std::unique_ptr<W> window_;
  std::unique_ptr<W> retired_;
};

}  // namespace fw
