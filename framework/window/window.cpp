// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "framework/window/accessibility.h"
#include "framework/window/event_watcher.h"
#include "framework/window/focus_ring.h"
#include "framework/window/widgets.h"

namespace fw {

namespace {

QList<QMenu*>& sharedMenus() {
  static QList<QMenu*> menus;
  return menus;
}

QList<QAction*>& sharedShortcuts() {
  static QList<QAction*> shortcuts;
  return shortcuts;
}

}  // namespace

void Window::setMenus(QList<QMenu*> menus, QList<QAction*> shortcuts) {
  sharedMenus() = std::move(menus);
  sharedShortcuts() = std::move(shortcuts);
}

Window::Window(const QFont& font) : scroller_(new QScrollArea), content_(new QWidget) {
  installAccessibility();
  markAsContentArea(content_);
  setFont(font);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setWidget(content_);
  setCentralWidget(scroller_);
  new FocusRing(content_);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!now || !content_->isAncestorOf(now) || now == keptInView_) return;
    // The whole control, not only its insertion point, as far as the window has room for it.
    const QRect control(now->mapTo(content_, QPoint(0, 0)), now->size());
    scroller_->ensureVisible(control.center().x(), control.center().y(), control.width() / 2 + 12,
                             control.height() / 2 + 12);
  });
  // The default button's frame goes to the button that Return presses where the focus is now.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!now || now->window() != this) return;
    QPushButton* target = returnButton();
    if (target == framedButton_) return;
    if (framedButton_) framedButton_->setDefault(false);
    framedButton_ = target;
    if (target) target->setDefault(true);
  });
  if (!sharedMenus().isEmpty()) {
    auto* bar = new QMenuBar(this);
    for (QMenu* menu : std::as_const(sharedMenus())) bar->addMenu(menu);
    setMenuBar(bar);
  }
  addActions(sharedShortcuts());
  // A new size of the window, not a bar of its own that grew (the menus' in a
  // passing style sheet), once the scroll area has shown or hidden its bars.
  watchEvents(this, [this](QEvent* event) {
    if (event->type() == QEvent::Resize) runSoon([this] { makeRoomForScrollBars(); });
    return false;
  });
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
}

Window::~Window() = default;

void Window::setContentSize(int width, int height) {
  content_->setFixedSize(width, height);
  const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
  asked_ = QSize(width, height + menuHeight);
  resize(asked_);
}

void Window::setResizable(bool resizable) {
  resizable_ = resizable;
  if (resizable) return;
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(size());
}

void Window::fitToScreen() {
  const QScreen* shownOn = screen();
  if (!shownOn) return;
  const QRect room = shownOn->availableGeometry();
  // Before the desktop has framed the window, a title bar is all its frame is taken for.
  const QWindow* handle = windowHandle();
  const QMargins frame = handle && framed_ ? handle->frameMargins() : QMargins(0, 32, 0, 0);
  const QSize space = room.size().shrunkBy(frame);
  const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
  const QSize whole = content_->size() + QSize(0, menuHeight);
  // A scroll bar one way takes room the other way: the window grows by it where the screen allows.
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
  QSize wanted = whole;
  if (whole.height() > space.height()) wanted.rwidth() += bar;
  if (whole.width() > space.width()) wanted.rheight() += bar;
  const QSize fitted = wanted.boundedTo(space);
  const bool tooSmall = fitted != whole;
  if (!resizable_) {
    setFixedSize(fitted);
  } else if (tooSmall || fittedDown_) {
    // Made smaller for a small screen, it grows back when there is room again.
    asked_ = fitted;
    resize(fitted);
  }
  fittedDown_ = tooSmall;
  // A window that sticks out of the room comes into it, as far as it can.
  const QRect outer = frameGeometry();
  if (!room.contains(outer)) {
    const int x = std::clamp(outer.left(), room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
    const int y = std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
    move(x, y);
  }
}

// A desktop that takes some of the height the window asked for (to keep it
// above a panel, say) makes a vertical scroll bar, whose width the content
// then lacks too; a fractional scale may round a pixel off the width. Either
// way a second bar scrolls a few pixels: the window grows by what the content
// lacks instead, where the screen has room. A size the user chose smaller
// than the window's own is left as it is.
void Window::makeRoomForScrollBars() {
  const QScreen* shownOn = screen();
  if (!resizable_ || !isVisible() || !shownOn) return;
  const QScrollBar* vertical = scroller_->verticalScrollBar();
  const QScrollBar* horizontal = scroller_->horizontalScrollBar();
  const QSize lacking = content_->size() - scroller_->viewport()->size();
  // What each way lacks besides the other way's bar: a pixel or two is rounding.
  const int ownWidth = lacking.width() - (vertical->isVisible() ? vertical->width() : 0);
  const int ownHeight = lacking.height() - (horizontal->isVisible() ? horizontal->height() : 0);
  constexpr int kRounding = 2;
  const bool widen = horizontal->isVisible() && lacking.width() > 0 && ownWidth <= kRounding && width() >= asked_.width() - 1;
  const bool heighten =
      vertical->isVisible() && lacking.height() > 0 && ownHeight <= kRounding && height() >= asked_.height() - 1;
  // One way at a time, the way that lacks more of its own first: the other bar may go with it.
  QSize grow(0, 0);
  if (widen && (!heighten || ownWidth >= ownHeight)) {
    grow.setWidth(lacking.width());
  } else if (heighten) {
    grow.setHeight(lacking.height());
  }
  const QSize room = shownOn->availableGeometry().size() - frameGeometry().size();
  grow = grow.boundedTo(room.expandedTo(QSize(0, 0)));
  if (grow.isNull()) return;
  asked_ = size() + grow;
  resize(asked_);
}

void Window::keepInView(QWidget* control) {
  keptInView_ = control;
  keptInViewPlace_ = control->pos();
  // It hides what it covers, as it would a text below it.
  control->setAutoFillBackground(true);
  control->raise();
  for (QScrollBar* bar : {scroller_->horizontalScrollBar(), scroller_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, this, &Window::placeKeptInView);
  }
  watchEvents(scroller_->viewport(), [this](QEvent* event) {
    if (event->type() == QEvent::Resize) placeKeptInView();
    return false;
  });
}

void Window::placeKeptInView() {
  const QRect shown(-content_->pos(), scroller_->viewport()->size());
  const int hiddenRight = std::max(0, content_->width() - shown.right() - 1);
  const int hiddenBelow = std::max(0, content_->height() - shown.bottom() - 1);
  keptInView_->move(keptInViewPlace_ - QPoint(hiddenRight, hiddenBelow));
}

void Window::showInFront() {
  // The window it opens over has the keyboard back when it hides.
  if (QWidget* active = QApplication::activeWindow(); active && active != this) openedOver_ = active;
  show();
  raise();
  activateWindow();
}

void Window::setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

void Window::runSoon(std::function<void()> work) { QTimer::singleShot(0, this, std::move(work)); }

void Window::setDefaultButton(QPushButton* button) {
  if (framedButton_) framedButton_->setDefault(false);
  button->setDefault(true);
  defaultButton_ = button;
  framedButton_ = button;
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
    connect(window, &QWindow::screenChanged, this, [this] { fitToScreen(); });
  }
  // Shown again, the window stands where the user left it, as desktops
  // other than the program's own would not otherwise know.
  if (hiddenAt_) move(*hiddenAt_);
  fitToScreen();
  // Shown again, a window that scrolls starts at its top, where its reading does.
  scroller_->horizontalScrollBar()->setValue(0);
  scroller_->verticalScrollBar()->setValue(0);
  if (focusOnShow_) focusOnShow_->setFocus(Qt::OtherFocusReason);
  QMainWindow::showEvent(event);
}

void Window::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) hiddenAt_ = pos();
  // Straight back to the control that had the focus there, whatever the
  // desktop would activate next, or none at all; once hidden, as a window it
  // held modal cannot be activated before. Qt has let go of it already.
  const QWidget* active = QApplication::activeWindow();
  if (!event->spontaneous() && openedOver_ && (!active || active == this)) {
    // Unless another window has come up meanwhile (one opened as this one
    // closes), whose activation may not have arrived yet.
    QTimer::singleShot(0, openedOver_, [back = openedOver_, self = QPointer<QWidget>(this)] {
      const QWidget* now = QApplication::activeWindow();
      const QWidget* modal = QApplication::activeModalWidget();
      if (back->isVisible() && (!now || now == self) && (!modal || modal == back)) back->activateWindow();
    });
  }
  framed_ = false;
  QMainWindow::hideEvent(event);
}

// The desktop's close button, pressed while the window decides whether to
// close (it may be asking the user), would have Qt close it there and
// then; it waits for that answer instead.
bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (deciding_ && watched == windowHandle() && event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  // Once the desktop has framed the window, its frame is known.
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() && !framed_) {
    framed_ = true;
    // Some desktops place a window anew when it is shown again, whatever it asked for.
    if (hiddenAt_ && pos() != *hiddenAt_) move(*hiddenAt_);
    fitToScreen();
  }
  return QMainWindow::eventFilter(watched, event);
}

// Outside a dialog Qt gives Return to nobody: the window decides.
QPushButton* Window::returnButton() const {
  QWidget* focus = focusWidget();
  if (auto* focused = qobject_cast<QPushButton*>(focus)) return focused;
  if (takesReturn(focus)) return nullptr;
  QPushButton* target = defaultButton_;
  if (const auto own = returnButtons_.find(qobject_cast<QLineEdit*>(focus)); own != returnButtons_.end()) {
    target = own->second;
  }
  return target && target->isEnabled() && !target->isHidden() ? target : nullptr;
}

bool Window::pressReturn() {
  QPushButton* target = returnButton();
  if (!target) return false;
  target->click();
  return true;
}

}  // namespace fw
