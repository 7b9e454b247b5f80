// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/controls.h"

#include "framework/event_watcher.h"
#include "framework/picture_registry.h"
#include "framework/qt_conversions.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QValidator>

namespace fw {

namespace {

// Drops refused characters from every change, so a paste keeps the rest of its text.
class RefusingValidator final : public QValidator {
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

Control::Control(QWidget* widget, std::string name, int index)
    : widget_(widget), name_(std::move(name)), index_(index) {}

bool Control::enabled() const { return widget_->isEnabled(); }
void Control::setEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool Control::visible() const { return !widget_->isHidden(); }
void Control::setVisible(bool visible) { widget_->setVisible(visible); }

bool Control::hasFocus() const { return widget_->hasFocus(); }
void Control::setFocus() { widget_->setFocus(Qt::OtherFocusReason); }

void Control::setSpokenName(const std::string& name) { widget_->setAccessibleName(toQ(name)); }
void Control::setSpokenDescription(const std::string& description) {
  widget_->setAccessibleDescription(toQ(description));
}

void Control::setMouseDownHandler(MouseDownHandler handler) {
  if (!mouseDown_) {
    // The handler sees a press before the control does.
    watchEvents(widget_, [this](QEvent* event) {
      if (event->type() != QEvent::MouseButtonPress || !mouseDown_) return false;
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      return mouseDown_(at.x(), at.y());
    });
  }
  mouseDown_ = std::move(handler);
}

void Control::pressMiddle() {
  if (mouseDown_) mouseDown_(widget_->width() / 2, widget_->height() / 2);
}

EditField::EditField(QLineEdit* edit, std::string name, int index)
    : Control(edit, std::move(name), index), edit_(edit) {}

std::string EditField::text() const { return secret_ ? secretText_ : fromQ(edit_->text()); }

void EditField::setText(const std::string& text) {
  if (secret_) {
    secretText_ = text;
  } else {
    edit_->setText(toQ(text));
  }
}

void EditField::keepTextSecret() {
  secretText_ = text();
  edit_->clear();
  secret_ = true;
}

void EditField::setArrowHandler(ArrowHandler handler) {
  if (!arrowHandler_) {
    // Plain arrow keys go to the handler where they would leave the text.
    watchEvents(edit_, [this](QEvent* event) {
      if (event->type() != QEvent::KeyPress || !arrowHandler_) return false;
      const auto* key = static_cast<QKeyEvent*>(event);
      if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
      // A selection of the whole text, as Tab leaves it, stands at both edges.
      const bool all = edit_->selectedText() == edit_->text();
      const bool atStart = edit_->cursorPosition() == 0 || all;
      const bool atEnd = edit_->cursorPosition() == edit_->text().size() || all;
      switch (key->key()) {
        case Qt::Key_Up: return arrowHandler_(Arrow::Up);
        case Qt::Key_Down: return arrowHandler_(Arrow::Down);
        case Qt::Key_Left: return atStart && arrowHandler_(Arrow::Left);
        case Qt::Key_Right: return atEnd && arrowHandler_(Arrow::Right);
        default: return false;
      }
    });
  }
  arrowHandler_ = std::move(handler);
}

Color EditField::backgroundColor() const {
  return edit_->palette().color(QPalette::Base).rgb() & 0xFFFFFFu;
}

void EditField::setBackgroundColor(Color color) {
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(color));
  edit_->setPalette(palette);
}

void EditField::refuseCharacters(const std::string& characters) {
  edit_->setValidator(new RefusingValidator(edit_, toQ(characters)));
}

StaticText::StaticText(QLabel* label, std::string name) : Control(label, std::move(name), -1), label_(label) {}

std::string StaticText::text() const { return fromQ(label_->text()); }

void StaticText::setText(const std::string& text) {
  label_->setText(toQ(text));
  updateSpokenName();
}

void StaticText::speakWithLabel(const std::string& label) {
  spokenLabel_ = label;
  updateSpokenName();
}

void StaticText::updateSpokenName() {
  if (spokenLabel_.empty()) return;
  const std::string shown = text();
  setSpokenName(shown.empty() ? spokenLabel_ : spokenLabel_ + ": " + shown);
}

void StaticText::labelControl(Control& control) { label_->setBuddy(control.widget()); }

void StaticText::setTextColor(Color color) {
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
  label_->setPalette(palette);
}

PushButton::PushButton(QAbstractButton* button, std::string name)
    : Control(button, std::move(name), -1), button_(button) {}

std::string PushButton::caption() const { return fromQ(button_->text()); }
void PushButton::setCaption(const std::string& caption) { button_->setText(toQ(caption)); }

void PushButton::setActionHandler(std::function<void()> handler) {
  QObject::connect(button_, &QAbstractButton::clicked, button_, [h = std::move(handler)] { h(); });
}

void PushButton::push() { button_->click(); }

RadioButton::RadioButton(QAbstractButton* button, std::string name)
    : Control(button, std::move(name), -1), button_(button) {}

std::string RadioButton::caption() const { return fromQ(button_->text()); }
bool RadioButton::value() const { return button_->isChecked(); }

void RadioButton::setValue(bool on) {
  QButtonGroup* group = button_->group();
  // An exclusive group refuses to turn its selected button off.
  if (!on && group) group->setExclusive(false);
  button_->setChecked(on);
  if (!on && group) group->setExclusive(true);
}

void RadioButton::setActionHandler(std::function<void()> handler) {
  QObject::connect(button_, &QAbstractButton::clicked, button_, [h = std::move(handler)] { h(); });
}

void RadioButton::setChangeHandler(std::function<void()> handler) {
  // Mouse and Space both press before they click.
  QObject::connect(button_, &QAbstractButton::pressed, button_, [this] { onBeforePress_ = button_->isChecked(); });
  QObject::connect(button_, &QAbstractButton::clicked, button_, [this, h = std::move(handler)] {
    if (!onBeforePress_) h();
  });
}

CheckBox::CheckBox(QAbstractButton* box, std::string name) : Control(box, std::move(name), -1), box_(box) {}

std::string CheckBox::caption() const { return fromQ(box_->text()); }
bool CheckBox::value() const { return box_->isChecked(); }
void CheckBox::setValue(bool ticked) { box_->setChecked(ticked); }

PopupMenu::PopupMenu(QComboBox* combo, std::string name) : Control(combo, std::move(name), -1), combo_(combo) {}

void PopupMenu::setItems(const std::string& text) {
  combo_->clear();
  combo_->addItems(toQ(text).split(QChar('\r')));
}

int PopupMenu::listIndex() const { return combo_->currentIndex(); }
void PopupMenu::setListIndex(int index) { combo_->setCurrentIndex(index); }
std::string PopupMenu::text() const { return fromQ(combo_->currentText()); }

void PopupMenu::setChangeHandler(std::function<void()> handler) {
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [h = std::move(handler)] { h(); });
}

Canvas::Canvas(QLabel* label, std::string name) : Control(label, std::move(name), -1), label_(label) {}

void Canvas::setBackdrop(int pictureNumber) { label_->setPixmap(picture(pictureNumber)); }

}  // namespace fw
