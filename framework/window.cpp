// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTableView>
#include <QTimer>
#include <QWindow>

#include <limits>

#include "framework/accessibility.h"
#include "framework/event_watcher.h"
#include "framework/look.h"
#include "framework/menus.h"
#include "framework/qt_conversions.h"
#include "framework/text.h"

namespace fw {

class WindowFrame final : public QMainWindow {
public:
  explicit WindowFrame(Window& owner) : owner_(owner) {}

protected:
  void closeEvent(QCloseEvent* event) override {
    deciding_ = true;
    const bool keepOpen = owner_.Event_CancelClose();
    deciding_ = false;
    if (keepOpen) {
      event->ignore();
      return;
    }
    event->accept();
    owner_.runCloseHandler();
  }

  // Keys that no control took reach the window.
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && owner_.pressReturn()) return;
    if (event->key() == Qt::Key_Escape && owner_.escape_) {
      owner_.escape_();
      return;
    }
    // Ctrl+Tab leaves a control that keeps Tab to itself, as elsewhere in Qt.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
      focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
      return;
    }
    QMainWindow::keyPressEvent(event);
  }

  void showEvent(QShowEvent* event) override {
    if (QWindow* window = windowHandle(); window && !watchingClose_) {
      window->installEventFilter(this);
      watchingClose_ = true;
    }
    QMainWindow::showEvent(event);
  }

  // The desktop's close button, pressed while the window decides whether to
  // close (its handler may be asking the player), would have Qt close it
  // there and then; it waits for that answer instead.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (deciding_ && watched == windowHandle() && event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    return QMainWindow::eventFilter(watched, event);
  }

private:
  Window& owner_;
  bool deciding_ = false;
  bool watchingClose_ = false;
};

namespace {


void place(QWidget* widget, const std::string& name, Rect r, Font font) {
  widget->setObjectName(toQ(name));
  widget->setGeometry(r.left, r.top, r.width, r.height);
  widget->setFont(toQFont(font));
}

Qt::Alignment toQ(Align align) {
  switch (align) {
    case Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// A straight one-pixel black rule between two points.
class LineWidget final : public QWidget {
public:
  LineWidget(QWidget* parent, QPoint from, QPoint to) : QWidget(parent) {
    const QRect box = QRect(from, to).normalized();
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(from_, to_);
  }

private:
  QPoint from_;
  QPoint to_;
};

// A filled rectangle with rounded corners and a one-pixel border.
class RoundRectangleWidget final : public QWidget {
public:
  RoundRectangleWidget(QWidget* parent, QColor fill, QColor border, int cornerSize)
      : QWidget(parent), fill_(fill), border_(border), radius_(cornerSize / 2.0) {}

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_, 1));
    painter.setBrush(fill_);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_, radius_);
  }

private:
  QColor fill_;
  QColor border_;
  double radius_;
};

// A text that the keyboard focus can rest on and that Return and Space press.
class PressableText final : public QLabel, public Pressable {
public:
  // The text is set once the object is whole: setting it earlier already
  // makes Qt ask for the label's accessibility, when it is no pressable yet.
  PressableText(const QString& text, QWidget* parent, Role role) : QLabel(parent), role_(role) {
    setFocusPolicy(Qt::StrongFocus);
    setText(text);
  }
  void setPressHandler(std::function<void()> handler) { pressed_ = std::move(handler); }
  void press() override {
    if (pressed_) pressed_();
  }
  Role pressRole() const override { return role_; }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
      press();
      return;
    }
    QLabel::keyPressEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Drawn the way the style marks a focused button, so only after keyboard use.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }

private:
  Role role_;
  std::function<void()> pressed_;
};

}  // namespace

Window::Window() : frame_(std::make_unique<WindowFrame>(*this)), content_(new QWidget) {
  useTheGamesLook();
  installAccessibility();
  markAsContentArea(content_);
  // Its own font: a theme's later change of the application font would
  // resize the menu bar and, with it, the window.
  frame_->setFont(layoutFont(12));
  frame_->setCentralWidget(content_);
  if (const MenuBar* bar = MenuBar::application()) bar->attachTo(frame_.get());
}

Window::~Window() = default;

void Window::setTitle(const std::string& title) { frame_->setWindowTitle(toQ(title)); }

void Window::setContentSize(int width, int height) {
  const int menuHeight = frame_->menuWidget() ? frame_->menuWidget()->sizeHint().height() : 0;
  frame_->resize(width, height + menuHeight);
}

void Window::setSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight) {
  frame_->setMinimumSize(minWidth, minHeight);
  frame_->setMaximumSize(maxWidth, maxHeight);
}

void Window::setResizable(bool resizable) {
  if (resizable) return;
  frame_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
  frame_->setFixedSize(frame_->size());
}

void Window::setModal(bool modal) { frame_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal); }

void Window::setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

void Window::runSoon(std::function<void()> work) { QTimer::singleShot(0, frame_.get(), std::move(work)); }

void Window::show() {
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Window::hide() { frame_->hide(); }
void Window::close() { frame_->close(); }
bool Window::isVisible() const { return frame_->isVisible(); }

QMainWindow* Window::frame() const { return frame_.get(); }
QWidget* Window::content() const { return content_; }

void Window::runCloseHandler() {
  Event_Close();
  if (closed_) closed_();
}

Control* Window::find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->index() == index && textEquals(control->name(), name)) return control.get();
  }
  return nullptr;
}

template <class C, class... Args>
C& Window::remember(Args&&... args) {
  auto control = std::make_unique<C>(std::forward<Args>(args)...);
  C& made = *control;
  controls_.push_back(std::move(control));
  return made;
}

EditField& Window::addEditField(const std::string& name, int index, Rect r, Font font) {
  auto* edit = new QLineEdit(content_);
  place(edit, name, r, font);
  edit->setMaxLength(std::numeric_limits<int>::max());
  if (index >= 0) edit->setProperty("index", index);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(palette);
  return remember<EditField>(edit, name, index);
}

EditField& Window::addSecretField(const std::string& name, int index, Rect r, Font font) {
  EditField& field = addEditField(name, index, r, font);
  field.keepTextSecret();
  field.setVisible(false);
  keepFromAssistiveTools(field.widget());
  return field;
}

StaticText& Window::addStaticText(const std::string& name, Rect r, const std::string& text, Font font,
                                  Align align) {
  auto* label = new QLabel(toQ(text), content_);
  place(label, name, r, font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(toQ(align));
  return remember<StaticText>(label, name);
}

StaticText& Window::addTextBlock(const std::string& name, Rect r, const std::string& text, Font font) {
  StaticText& block = addStaticText(name, r, text, font);
  auto* label = static_cast<QLabel*>(block.widget());
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return block;
}

StaticText& Window::addPressableText(const std::string& name, Rect r, const std::string& text, Font font,
                                     PressRole role) {
  auto* label = new PressableText(toQ(text), content_, role);
  place(label, name, r, font);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(toQ(Align::Left));
  StaticText& control = remember<StaticText>(label, name);
  label->setPressHandler([&control] { control.pressMiddle(); });
  return control;
}

PushButton& Window::addPushButton(const std::string& name, Rect r, const std::string& caption, Font font) {
  auto* button = new QPushButton(toQ(caption), content_);
  place(button, name, r, font);
  button->setAutoDefault(false);
  return remember<PushButton>(button, name);
}

RadioButton& Window::addRadioButton(const std::string& name, Rect r, const std::string& caption, Font font) {
  auto* button = new QRadioButton(toQ(caption), content_);
  place(button, name, r, font);
  return remember<RadioButton>(button, name);
}

CheckBox& Window::addCheckBox(const std::string& name, Rect r, const std::string& caption, Font font) {
  auto* box = new QCheckBox(toQ(caption), content_);
  place(box, name, r, font);
  return remember<CheckBox>(box, name);
}

PopupMenu& Window::addPopupMenu(const std::string& name, Rect r, const std::string& items, Font font) {
  auto* combo = new QComboBox(content_);
  place(combo, name, r, font);
  PopupMenu& menu = remember<PopupMenu>(combo, name);
  menu.setItems(items);
  return menu;
}

Canvas& Window::addCanvas(const std::string& name, Rect r) {
  auto* label = new QLabel(content_);
  label->setObjectName(toQ(name));
  label->setGeometry(r.left, r.top, r.width, r.height);
  return remember<Canvas>(label, name);
}

ListBox& Window::addListBox(const std::string& name, Rect r, int columnCount, Font font) {
  auto* view = new QTableView(content_);
  place(view, name, r, font);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setShowGrid(true);
  view->setWordWrap(false);
  // Tab leaves the list; the arrow keys move within it.
  view->setTabKeyNavigation(false);
  markAsListBox(view);
  view->verticalHeader()->hide();
  // A fixed row height keeps huge lists quick: no row is measured.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->font()).height() + 4);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setHighlightSections(false);
  return remember<ListBox>(view, name, columnCount);
}

Decoration& Window::addGroupBox(const std::string& name, Rect r, const std::string& caption, Font font) {
  auto* box = new QGroupBox(toQ(caption), content_);
  place(box, name, r, font);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  box->lower();
  return remember<Decoration>(box, name, -1);
}

Decoration& Window::addLine(const std::string& name, int x1, int y1, int x2, int y2) {
  auto* line = new LineWidget(content_, QPoint(x1, y1), QPoint(x2, y2));
  line->setObjectName(toQ(name));
  keepFromAssistiveTools(line);
  return remember<Decoration>(line, name, -1);
}

Decoration& Window::addSeparator(const std::string& name, Rect r) {
  auto* rule = new QFrame(content_);
  rule->setObjectName(toQ(name));
  rule->setGeometry(r.left, r.top, r.width, r.height);
  rule->setFrameShape(r.width > r.height ? QFrame::HLine : QFrame::VLine);
  rule->setFrameShadow(QFrame::Sunken);
  keepFromAssistiveTools(rule);
  return remember<Decoration>(rule, name, -1);
}

Decoration& Window::addRoundRectangle(const std::string& name, Rect r, Color fill, Color border, int cornerSize) {
  auto* shape = new RoundRectangleWidget(content_, QColor::fromRgb(fill), QColor::fromRgb(border), cornerSize);
  shape->setObjectName(toQ(name));
  shape->setGeometry(r.left, r.top, r.width, r.height);
  keepFromAssistiveTools(shape);
  return remember<Decoration>(shape, name, -1);
}

Timer& Window::addTimer(const std::string& name, int periodMilliseconds) {
  auto timer = std::make_unique<Timer>(name);
  timer->setPeriod(periodMilliseconds);
  timers_.push_back(std::move(timer));
  return *timers_.back();
}

void Window::groupRadioButtons(std::initializer_list<RadioButton*> buttons) {
  auto* group = new QButtonGroup(content_);
  QList<QAbstractButton*> members;
  for (RadioButton* button : buttons) members << static_cast<QAbstractButton*>(button->widget());
  for (QAbstractButton* member : members) {
    group->addButton(member);
    // Arrow keys move the focus to the next or previous available button of
    // the group. Qt's own handling would also select that button, which runs
    // its action: a purchase, or a mode switch that empties the board.
    watchEvents(member, [member, members](QEvent* event) {
      if (event->type() != QEvent::KeyPress) return false;
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right) return false;
      const int step = key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 1;
      for (qsizetype i = members.indexOf(member) + step; i >= 0 && i < members.size(); i += step) {
        QAbstractButton* next = members[i];
        if (next->isEnabled() && next->isVisible()) {
          next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
          break;
        }
      }
      return true;
    });
  }
}

void Window::setDefaultButton(PushButton& button) {
  static_cast<QPushButton*>(button.widget())->setDefault(true);
  defaultButton_ = &button;
}

void Window::setReturnButton(EditField& field, PushButton& button) { returnButtons_[&field] = &button; }

void Window::setEscapeHandler(std::function<void()> handler) { escape_ = std::move(handler); }

bool Window::pressReturn() {
  // Outside a dialog Qt gives Return to nobody: the window decides.
  QWidget* focus = frame_->focusWidget();
  PushButton* target = defaultButton_;
  for (const auto& [field, button] : returnButtons_) {
    if (field->widget() == focus) target = button;
  }
  if (auto* focused = qobject_cast<QPushButton*>(focus)) {
    focused->click();
    return true;
  }
  if (!target || !target->enabled() || !target->visible()) return false;
  target->push();
  return true;
}

}  // namespace fw
