// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

#include <memory>

#include "framework/window/event_watcher.h"

namespace fw {

namespace {

// Drops refused characters from every change, so a paste keeps the rest of its text.
class RefusingValidator final : public QValidator {
  Q_OBJECT

public:
  RefusingValidator(QObject* parent, QString refused) : QValidator(parent), refused_(std::move(refused)) {}

  State validate(QString& input, int& position) const override {
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
      if (!refused_.contains(input[i])) continue;
      input.remove(i, 1);
      if (i < position) --position;
    }
    return Acceptable;
  }

private:
  QString refused_;
};

}  // namespace

void place(QWidget* control, const char* name, QRect where, const QFont& font) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(where);
  control->setFont(font);
}

RuleLine::RuleLine(QWidget* parent, QPoint from, QPoint to) : QWidget(parent) {
  const QRect box = QRect(from, to).normalized();
  setGeometry(box);
  from_ = from - box.topLeft();
  to_ = to - box.topLeft();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  keepFromAssistiveTools(this);
}

void RuleLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(from_, to_);
}

RoundedPanel::RoundedPanel(QWidget* parent, QColor fill, QColor border, int cornerSize)
    : QWidget(parent), fill_(fill), border_(border), radius_(cornerSize / 2.0) {
  keepFromAssistiveTools(this);
}

void RoundedPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(border_, 1));
  painter.setBrush(fill_);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_, radius_);
}

// The text is set once the object is whole: setting it earlier already makes
// Qt ask for the label's accessibility, when it is no pressable yet.
PressableText::PressableText(const QString& text, QWidget* parent, Role role, std::function<void()> onPress)
    : QLabel(parent), role_(role), onPress_(std::move(onPress)) {
  setFocusPolicy(Qt::StrongFocus);
  takeReturn(this);
  setTextFormat(Qt::PlainText);
  setText(text);
}

void PressableText::press() {
  if (onPress_) onPress_();
}

void PressableText::mousePressEvent(QMouseEvent* event) {
  press();
  QLabel::mousePressEvent(event);
}

void PressableText::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    press();
    return;
  }
  QLabel::keyPressEvent(event);
}

ReadableText::ReadableText(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  setTabChangesFocus(true);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(0);
  // The window shows through, and the text has a label's colour.
  viewport()->setAutoFillBackground(false);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
  setPalette(palette);
}

void takeReturn(QWidget* control) { control->setProperty("fwTakesReturn", true); }

bool takesReturn(const QWidget* control) { return control && control->property("fwTakesReturn").toBool(); }

void refuseCharacters(QLineEdit* field, const QString& characters) {
  field->setValidator(new RefusingValidator(field, characters));
}

void onArrowAtEdge(QLineEdit* field, std::function<bool(Arrow)> handler) {
  watchEvents(field, [field, handler = std::move(handler)](QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    // A selection of the whole text, as Tab leaves it, stands at both edges.
    const bool all = field->selectedText() == field->text();
    const bool atStart = field->cursorPosition() == 0 || all;
    const bool atEnd = field->cursorPosition() == field->text().size() || all;
    switch (key->key()) {
      case Qt::Key_Up: return handler(Arrow::Up);
      case Qt::Key_Down: return handler(Arrow::Down);
      case Qt::Key_Left: return atStart && handler(Arrow::Left);
      case Qt::Key_Right: return atEnd && handler(Arrow::Right);
      default: return false;
    }
  });
}

namespace {

bool usable(const QWidget* button) { return button->isEnabled() && !button->isHidden(); }

// Tab reaches a group at one button, which Qt moves to the button that last
// had the focus. A group whose stop is disabled or hidden would drop out of
// the Tab order for good: the stop goes to the chosen button, or else the first usable one.
void keepOneTabStop(const QList<QAbstractButton*>& buttons) {
  QAbstractButton* stop = nullptr;
  for (QAbstractButton* b : buttons) {
    if (!usable(b)) {
      b->setFocusPolicy(Qt::FocusPolicy(b->focusPolicy() & ~Qt::TabFocus));
    } else if (b->focusPolicy() & Qt::TabFocus) {
      if (stop) b->setFocusPolicy(Qt::FocusPolicy(b->focusPolicy() & ~Qt::TabFocus));
      stop = stop ? stop : b;
    }
  }
  if (stop) return;
  for (QAbstractButton* b : buttons) {
    if (usable(b) && (!stop || (b->isChecked() && !stop->isChecked()))) stop = b;
  }
  if (stop) stop->setFocusPolicy(Qt::FocusPolicy(stop->focusPolicy() | Qt::TabFocus));
}

}  // namespace

void groupRadioButtons(QWidget* parent, const QList<QAbstractButton*>& buttons) {
  auto* group = new QButtonGroup(parent);
  for (QAbstractButton* member : buttons) {
    group->addButton(member);
    watchEvents(member, [member, buttons](QEvent* event) {
      if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ShowToParent ||
          event->type() == QEvent::HideToParent) {
        keepOneTabStop(buttons);
      }
      if (event->type() != QEvent::KeyPress) return false;
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right) return false;
      const int step = key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 1;
      for (qsizetype i = buttons.indexOf(member) + step; i >= 0 && i < buttons.size(); i += step) {
        QAbstractButton* next = buttons[i];
        if (next->isEnabled() && next->isVisible()) {
          next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
          break;
        }
      }
      return true;
    });
  }
  keepOneTabStop(buttons);
}

void chooseBeforeClosing(QComboBox* menu) {
  QAbstractItemView* list = menu->view();  // made now, with Qt's own handling, which this one comes before
  watchEvents(list, [menu, list](QEvent* event) {
    // Qt takes Return in the pop-up list as a shortcut.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QModelIndex chosen = list->currentIndex();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && chosen.isValid() && (chosen.flags() & Qt::ItemIsEnabled)) {
      menu->setCurrentIndex(chosen.row());
    }
    return false;
  });
}

void setChecked(QAbstractButton* button, bool on) {
  if (button->isChecked() == on) return;
  QButtonGroup* group = button->group();
  // An exclusive group refuses to turn its chosen button off.
  if (!on && group) group->setExclusive(false);
  button->setChecked(on);
  if (!on && group) group->setExclusive(true);
}

void onTurnedOn(QAbstractButton* button, std::function<void()> handler) {
  // Mouse and Space both press before they click.
  auto wasOn = std::make_shared<bool>(false);
  QObject::connect(button, &QAbstractButton::pressed, button, [button, wasOn] { *wasOn = button->isChecked(); });
  QObject::connect(button, &QAbstractButton::clicked, button, [wasOn, handler = std::move(handler)] {
    if (!*wasOn) handler();
  });
}

}  // namespace fw

#include "widgets.moc"
