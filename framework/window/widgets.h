// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The few controls and control behaviours the windows need that Qt has not
// got as they are: drawn shapes, texts that act when pressed, arrow keys
// that move between fields or buttons, and radio buttons set from code.

#include <QColor>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

#include "framework/window/accessibility.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace fw {

enum class Arrow { Up, Down, Left, Right };

// Names a control and puts it at its place on its parent, in the font.
void place(QWidget* control, const char* name, QRect where, const QFont& font);

// A straight one-pixel black rule between two points of its parent.
class RuleLine final : public QWidget {
  Q_OBJECT

public:
  RuleLine(QWidget* parent, QPoint from, QPoint to);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPoint from_;
  QPoint to_;
};

// A filled rectangle with rounded corners and a one-pixel border.
class RoundedPanel final : public QWidget {
  Q_OBJECT

public:
  RoundedPanel(QWidget* parent, QColor fill, QColor border, int cornerSize);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor fill_;
  QColor border_;
  double radius_;
};

// A text that acts like a button or a link: it takes the keyboard focus, and
// Return, Space and assistive tools press it as a click does.
class PressableText final : public QLabel, public Pressable {
  Q_OBJECT

public:
  PressableText(const QString& text, QWidget* parent, Role role, std::function<void()> onPress);
  void press() override;
  Role pressRole() const override { return role_; }

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  Role role_;
  std::function<void()> onPress_;
};

// A text the keyboard reaches and a screen reader reads line by line, as it
// cannot a label's: read-only, with an insertion point the arrow keys move,
// drawn as a label is. Tab goes on to the next control.
class ReadableText final : public QPlainTextEdit {
  Q_OBJECT

public:
  ReadableText(const QString& text, QWidget* parent);
};

// The control acts on Return itself (a heading sorts, a text that acts is
// pressed): while it has the focus, Return presses no button of the window.
void takeReturn(QWidget* control);
bool takesReturn(const QWidget* control);

// Characters that typing and pasting leave out of the field's text.
void refuseCharacters(QLineEdit* field, const QString& characters);

// Runs for Up and Down, and for Left and Right when the insertion point is at
// that edge of the text; the handler returns true when it moved the focus elsewhere.
void onArrowAtEdge(QLineEdit* field, std::function<bool(Arrow)> handler);

// One choice among the buttons, reached by Tab at one usable button. The
// arrow keys move the focus to the next or previous usable button and choose
// none: Qt's own handling would also choose it, acting on a choice only passed over.
void groupRadioButtons(QWidget* parent, const QList<QAbstractButton*>& buttons);

// The menu takes the choice made in its pop-up list by Return before the
// list closes, where Qt takes it after: a reader then hears the menu and its
// new choice once, as the focus comes back, rather than again for the change.
void chooseBeforeClosing(QComboBox* menu);

// Turns a button on or off from code, also the chosen one of its group, without running its handlers.
void setChecked(QAbstractButton* button, bool on);

// Runs when the user turns the button on from off, not when it was on already.
void onTurnedOn(QAbstractButton* button, std::function<void()> handler);

}  // namespace fw
