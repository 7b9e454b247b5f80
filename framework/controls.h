// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Controls of a window, addressed by name (and index for control arrays).
// Each wraps one Qt widget that its window owns; the game reaches the toolkit
// only through these.

#include <cstdint>
#include <functional>
#include <string>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace fw {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Sizes are in pixels: a font of N points is N pixels high, as on the 72-dpi
// screens the layout was drawn for.
struct Font {
  int size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

enum class Align { Left, Center, Right };

using Color = std::uint32_t;  // 0xRRGGBB

enum class Arrow { Up, Down, Left, Right };

class Control {
public:
  Control(QWidget* widget, std::string name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 unless a member of a control array
  bool enabled() const;
  void setEnabled(bool enabled);
  // Whether the control is shown on its window (also while the window itself is hidden).
  bool visible() const;
  void setVisible(bool visible);
  QWidget* widget() const { return widget_; }
  bool hasFocus() const;
  void setFocus();

  // What a screen reader says for the control, and a longer description.
  void setSpokenName(const std::string& name);
  void setSpokenDescription(const std::string& description);

  // The handler returns true to consume the press, false to let the control handle it.
  using MouseDownHandler = std::function<bool(int x, int y)>;
  void setMouseDownHandler(MouseDownHandler handler);
  // Runs the mouse-down handler as a press in the middle of the control would.
  void pressMiddle();

private:
  QWidget* widget_;
  std::string name_;
  int index_;
  MouseDownHandler mouseDown_;
};

class EditField final : public Control {
public:
  EditField(QLineEdit* edit, std::string name, int index);
  std::string text() const;
  void setText(const std::string& text);
  Color backgroundColor() const;
  void setBackgroundColor(Color color);
  // Characters that typing and pasting leave out of the text.
  void refuseCharacters(const std::string& characters);
  // Keeps the text in the control alone: the widget stays empty, so no
  // assistive tool can read the text or hear it change.
  void keepTextSecret();

  // Runs for Up and Down, and for Left and Right when the insertion point is
  // at that edge of the text; returns true when it moved the focus elsewhere.
  using ArrowHandler = std::function<bool(Arrow)>;
  void setArrowHandler(ArrowHandler handler);

private:
  QLineEdit* edit_;
  bool secret_ = false;
  std::string secretText_;
  ArrowHandler arrowHandler_;
};

class StaticText final : public Control {
public:
  StaticText(QLabel* label, std::string name);
  std::string text() const;
  void setText(const std::string& text);
  void setTextColor(Color color);
  // A screen reader says the label and then the text, e.g. "Your Score: 56".
  void speakWithLabel(const std::string& label);
  // Names the control for assistive tools, as a label beside a field does.
  void labelControl(Control& control);

private:
  void updateSpokenName();

  QLabel* label_;
  std::string spokenLabel_;
};

class PushButton final : public Control {
public:
  PushButton(QAbstractButton* button, std::string name);
  std::string caption() const;
  void setCaption(const std::string& caption);
  void setActionHandler(std::function<void()> handler);
  // Presses the button from code: runs its action handler like a click.
  void push();

private:
  QAbstractButton* button_;
};

class RadioButton final : public Control {
public:
  RadioButton(QAbstractButton* button, std::string name);
  std::string caption() const;
  bool value() const;
  // Turning a button off from code runs no handler, also when it is the
  // selected member of its group.
  void setValue(bool on);
  // Runs whenever the player selects the button, also when it was already on.
  void setActionHandler(std::function<void()> handler);
  // Runs only when the player turns the button on from off.
  void setChangeHandler(std::function<void()> handler);

private:
  QAbstractButton* button_;
  bool onBeforePress_ = false;
};

class CheckBox final : public Control {
public:
  CheckBox(QAbstractButton* box, std::string name);
  std::string caption() const;
  bool value() const;
  void setValue(bool ticked);

private:
  QAbstractButton* box_;
};

class PopupMenu final : public Control {
public:
  PopupMenu(QComboBox* combo, std::string name);
  // Replaces the items with the carriage-return separated items of text.
  void setItems(const std::string& text);
  int listIndex() const;
  void setListIndex(int index);
  std::string text() const;  // of the chosen item
  void setChangeHandler(std::function<void()> handler);

private:
  QComboBox* combo_;
};

// Shows a picture of the application's own, by its resource number.
class Canvas final : public Control {
public:
  Canvas(QLabel* label, std::string name);
  void setBackdrop(int pictureNumber);

private:
  QLabel* label_;
};

// Frames and rules: they only draw.
class Decoration final : public Control {
public:
  using Control::Control;
};

}  // namespace fw
