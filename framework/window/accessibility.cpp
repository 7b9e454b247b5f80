// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

#include "framework/window/event_watcher.h"
#include "framework/window/focus_ring.h"

namespace fw {

namespace {

constexpr const char* kKeptOut = "fwKeptFromAssistiveTools";
constexpr const char* kContentArea = "fwContentArea";
constexpr const char* kDialog = "fwDialog";

QAccessible::UpdateHandler earlierHandler = nullptr;

// Hands an event on to where it went before: the platform's bridge to
// assistive tools, or a handler installed earlier (a test's).
void handOn(QAccessibleEvent* event);

// Qt tells of the focus on a widget once the widget has taken it. A widget
// whose focus rests on a part of it (a list on its current row, a heading row
// on its chosen heading) would be said in place of that part, and the part,
// told first, be forgotten: the word goes to the part instead, once.
void tellOfParts(QAccessibleEvent* event) {
  // The focus told last: a menu bar tells of its item twice as it opens a menu.
  // A part is told by its interface, made anew when its row changes.
  static QAccessible::Id focused = 0;
  // Back from another window, the same control is news again: a window that
  // lets go of the keyboard forgets it. (Its late word of being activated
  // may come between the two words of a menu.)
  if (event->type() == QAccessible::StateChanged && static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().active) {
    const auto* window = qobject_cast<QWidget*>(event->object());
    if (window && window->isWindow() && !window->isActiveWindow()) focused = 0;
  }
  if (event->type() != QAccessible::Focus || !event->object()) {
    handOn(event);
    return;
  }
  QObject* object = event->object();
  int child = event->child();
  // Every window has the menus in a menu bar of its own: those of hidden
  // windows tell of their items as a shown one opens a menu.
  if (const auto* widget = qobject_cast<QWidget*>(object); widget && !widget->isVisible()) return;
  if (child < 0) {
    QAccessibleInterface* widget = event->accessibleInterface();
    QAccessibleInterface* part = widget ? widget->focusChild() : nullptr;
    QAccessibleInterface* owner = part && part != widget && !part->object() ? part->parent() : nullptr;
    if (owner && owner->object()) {
      object = owner->object();
      child = owner->indexOfChild(part);
    }
  }
  QAccessibleInterface* told = QAccessible::queryAccessibleInterface(object);
  if (told && child >= 0) told = told->child(child);
  const QAccessible::Id id = told ? QAccessible::uniqueId(told) : 0;
  if (id != 0 && id == focused) return;
  focused = id;
  if (object == event->object() && child == event->child()) {
    handOn(event);
    return;
  }
  QAccessibleEvent onPart(object, QAccessible::Focus);
  onPart.setChild(child);
  handOn(&onPart);
}

void handOn(QAccessibleEvent* event) {
  if (earlierHandler) {
    earlierHandler(event);
    return;
  }
  // Qt has no call for the platform's handler itself: it runs when no handler is installed.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(tellOfParts);
}

// Widgets that only draw: those kept out, and the focus ring.
bool keptOut(const QWidget* widget) { return widget->property(kKeptOut).toBool() || qobject_cast<const FocusRing*>(widget); }

// A window's content area lists its controls, less the drawings and those
// hidden now: a screen reader need not wade through them.
class ContentAccessible final : public QAccessibleWidget {
public:
  explicit ContentAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> list = children();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }

private:
  QList<QWidget*> children() const {
    QList<QWidget*> list;
    for (QObject* object : widget()->children()) {
      auto* w = qobject_cast<QWidget*>(object);
      if (w && !w->isWindow() && !w->isHidden() && !keptOut(w)) list << w;
    }
    return list;
  }
};

// A text that acts when pressed: "CLOSE", a link.
class PressableAccessible final : public QAccessibleWidget {
public:
  PressableAccessible(QWidget* widget, Pressable& pressable)
      : QAccessibleWidget(widget, pressable.pressRole() == Pressable::Role::Link ? QAccessible::Link : QAccessible::Button),
        pressable_(pressable) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      pressable_.press();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

private:
  Pressable& pressable_;
};

// A radio button or check box: every action a tool can call on it does what a
// click does. Qt's own Toggle turns it on or off without the click the program
// acts on, so that the choice shown is not the one made.
class CheckableAccessible final : public QAccessibleWidget {
public:
  explicit CheckableAccessible(QAbstractButton* button)
      : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) ? QAccessible::RadioButton : QAccessible::CheckBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      QString caption = button()->text();
      // "&&" stands for an ampersand; a single one marks the mnemonic.
      caption.replace(QLatin1String("&&"), QString(QChar(0))).remove(QChar('&')).replace(QChar(0), QChar('&'));
      return caption;
    }
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button()->isChecked();
    return state;
  }
  // A disabled one offers no action: a tool would call it and be told it was done.
  QStringList actionNames() const override {
    if (!button()->isEnabled()) return {};
    return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (!button()->isEnabled()) return;
    if (name == pressAction() || name == toggleAction()) {
      button()->click();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

private:
  QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A pop-up menu named for what it chooses ("first factor"); Qt names it after
// its chosen item on Linux, which says nothing of its purpose. Its value is
// the chosen item: its text, and its place in the menu.
class PopupMenuAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  explicit PopupMenuAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
    // The name says the choice: tools that keep names are told when it changes.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
      if (!QAccessible::isActive()) return;
      QAccessibleEvent renamed(combo, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
    });
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override { return combo()->currentIndex(); }
  void setCurrentValue(const QVariant& value) override { combo()->setCurrentIndex(value.toInt()); }
  QVariant maximumValue() const override { return combo()->count() - 1; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  // A reader says a pop-up menu by its name alone: the name says the choice too, "first factor, 7".
  QString text(QAccessible::Text t) const override {
    // An item's spoken words, where it has them ("none" for a symbol), else its text.
    const QString spoken = combo()->currentData(Qt::AccessibleTextRole).toString();
    const QString chosen = spoken.isEmpty() ? combo()->currentText() : spoken;
    if (t == QAccessible::Value) return chosen;
    if (t == QAccessible::Name) {
      const QString purpose = widget()->accessibleName();
      return purpose.isEmpty() ? chosen : purpose + ", " + chosen;
    }
    return QAccessibleWidget::text(t);
  }
  // Its one child is the list of items it pops up.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == combo()->view() ? 0 : -1;
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) combo()->showPopup();
  }

private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// A window that asks for the user's attention and is closed again (a help,
// an about window): a dialog, described by its first words, which a reader says as it opens.
class DialogAccessible final : public QAccessibleWidget {
public:
  explicit DialogAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Dialog) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = widget()->isModal();
    return state;
  }
};

// The announcer's news, as a notification.
class NotificationAccessible final : public QAccessibleWidget {
public:
  explicit NotificationAccessible(QWidget* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
};

QAccessibleInterface* factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (auto* pressable = dynamic_cast<Pressable*>(widget)) return new PressableAccessible(widget, *pressable);
  if (widget->property(kContentArea).toBool()) return new ContentAccessible(widget);
  if (widget->isWindow() && widget->property(kDialog).toBool()) return new DialogAccessible(widget);
  if (dynamic_cast<Announcer*>(widget)) return new NotificationAccessible(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable()) return new PopupMenuAccessible(combo);
  if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable() &&
                                                           (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget))) {
    return new CheckableAccessible(button);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    earlierHandler = QAccessible::installUpdateHandler(tellOfParts);
    return true;
  }();
  (void)installed;
}

void markAsDialog(QWidget* window, const QString& description) {
  window->setProperty(kDialog, true);
  window->setAccessibleDescription(description);
  // An interface Qt made for the window before it was marked is made anew, as a dialog's.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(window); made && made->role() != QAccessible::Dialog) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

Announcer::Announcer(QWidget* parent) : QWidget(parent), gone_(new QTimer(this)) {
  setObjectName("announcer");
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  // Out of the way again once it has been heard.
  gone_->setSingleShot(true);
  gone_->setInterval(3000);
  connect(gone_, &QTimer::timeout, this, &QWidget::hide);
}

void Announcer::announce(const QString& news) {
  if (!QAccessible::isActive()) return;
  hide();
  setAccessibleName(news);
  show();
  gone_->start();
}

void keepFromAssistiveTools(QWidget* widget) { widget->setProperty(kKeptOut, true); }

void markAsContentArea(QWidget* widget) {
  widget->setProperty(kContentArea, true);
  // A control shown or hidden joins or leaves the area's children: assistive tools are told.
  watchEvents(widget, [](QEvent* event) {
    if (event->type() != QEvent::ChildAdded) return false;
    auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
    if (!child) return false;
    // One event for the child that comes or goes: Qt's event for a whole new
    // set of children reaches the bus malformed.
    watchEvents(child, [child](QEvent* change) {
      if (keptOut(child) || !QAccessible::isActive()) return false;
      if (change->type() == QEvent::ShowToParent || change->type() == QEvent::HideToParent) {
        QAccessibleEvent joined(child, change->type() == QEvent::ShowToParent ? QAccessible::ObjectCreated
                                                                             : QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&joined);
      }
      return false;
    });
    return false;
  });
}

}  // namespace fw
