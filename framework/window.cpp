// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "framework/accessibility.h"
#include "framework/look.h"

namespace fw {

namespace {

QList<QMenu*>& sharedMenus() {
  static QList<QMenu*> menus;
  return menus;
}

}  // namespace

void Window::setMenus(QList<QMenu*> menus) { sharedMenus() = std::move(menus); }

Window::Window() : content_(new QWidget) {
  useTheGamesLook();
  installAccessibility();
  markAsContentArea(content_);
  // Its own font: a theme's later change of the application font would
  // resize the menu bar and, with it, the window.
  setFont(layoutFont(12));
  setCentralWidget(content_);
  if (!sharedMenus().isEmpty()) {
    auto* bar = new QMenuBar(this);
    for (QMenu* menu : std::as_const(sharedMenus())) bar->addMenu(menu);
    setMenuBar(bar);
  }
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
}

Window::~Window() = default;

void Window::setContentSize(int width, int height) {
  const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
  resize(width, height + menuHeight);
}

void Window::setResizable(bool resizable) {
  if (resizable) return;
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(size());
}

void Window::showInFront() {
  show();
  raise();
  activateWindow();
}

void Window::setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

void Window::runSoon(std::function<void()> work) { QTimer::singleShot(0, this, std::move(work)); }

void Window::setDefaultButton(QPushButton* button) {
  button->setDefault(true);
  defaultButton_ = button;
}

void Window::setReturnButton(QLineEdit* field, QPushButton* button) { returnButtons_[field] = button; }

void Window::setEscapeHandler(std::function<void()> handler) { escape_ = std::move(handler); }

void Window::closeEvent(QCloseEvent* event) {
  deciding_ = true;
  const bool stayOpen = keepOpen();
  deciding_ = false;
  if (stayOpen) {
    event->ignore();
    return;
  }
  event->accept();
  whenClosed();
  if (closed_) closed_();
}

// Keys that no control took reach the window.
void Window::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && pressReturn()) return;
  if (event->key() == Qt::Key_Escape && escape_) {
    escape_();
    return;
  }
  // Ctrl+Tab leaves a control that keeps Tab to itself, as elsewhere in Qt.
  if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
    focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void Window::showEvent(QShowEvent* event) {
  if (QWindow* window = windowHandle(); window && !watchingClose_) {
    window->installEventFilter(this);
    watchingClose_ = true;
  }
  QMainWindow::showEvent(event);
}

// The desktop's close button, pressed while the window decides whether to
// close (it may be asking the player), would have Qt close it there and
// then; it waits for that answer instead.
bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (deciding_ && watched == windowHandle() && event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool Window::pressReturn() {
  // Outside a dialog Qt gives Return to nobody: the window decides.
  QWidget* focus = focusWidget();
  if (auto* focused = qobject_cast<QPushButton*>(focus)) {
    focused->click();
    return true;
  }
  QPushButton* target = defaultButton_;
  if (const auto own = returnButtons_.find(qobject_cast<QLineEdit*>(focus)); own != returnButtons_.end()) {
    target = own->second;
  }
  if (!target || !target->isEnabled() || target->isHidden()) return false;
  target->click();
  return true;
}

}  // namespace fw
