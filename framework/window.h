// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A window with controls at fixed places. Controls are made in order (which is
// also the keyboard focus order) and found again by name, without regard to case.

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/accessibility.h"
#include "framework/controls.h"
#include "framework/list_box.h"
#include "framework/timer.h"

class QMainWindow;
class QWidget;

namespace fw {

class WindowFrame;

class Window {
public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void setTitle(const std::string& title);
  // Size of the content area, below any menu bar.
  void setContentSize(int width, int height);
  void setSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);
  // A window that is not resizable keeps its size and has no minimise or maximise buttons.
  void setResizable(bool resizable);
  // While a modal window is shown, no other window takes input.
  void setModal(bool modal);
  // Runs after the close handler, once the window has closed.
  void setClosedHandler(std::function<void()> handler);
  // Runs the work once the event loop is running, unless the window is gone by then.
  void runSoon(std::function<void()> work);

  void show();  // and bring to the front
  void hide();
  void close();  // runs the close handler
  bool isVisible() const;

  // Looks a control up by name and, for a control array member, index.
  Control* find(std::string_view name, int index = -1) const;

  QMainWindow* frame() const;
  QWidget* content() const;

protected:
  virtual void Event_Open() {}
  // Runs when the window is asked to close, before it does; true keeps it open.
  virtual bool Event_CancelClose() { return false; }
  virtual void Event_Close() {}

  EditField& addEditField(const std::string& name, int index, Rect place, Font font);
  // A hidden field that holds a secret of the game: its text stays in the
  // control, and assistive tools never see the field.
  EditField& addSecretField(const std::string& name, int index, Rect place, Font font);
  StaticText& addStaticText(const std::string& name, Rect place, const std::string& text, Font font,
                            Align align = Align::Left);
  // Text that wraps at the right edge, from the top left down.
  StaticText& addTextBlock(const std::string& name, Rect place, const std::string& text, Font font);
  // Text that acts like a button or a link: it takes the keyboard focus, and
  // Return, Space and assistive tools press it as a click does (its mouse-down handler).
  using PressRole = Pressable::Role;
  StaticText& addPressableText(const std::string& name, Rect place, const std::string& text, Font font,
                               PressRole role);
  PushButton& addPushButton(const std::string& name, Rect place, const std::string& caption, Font font);
  RadioButton& addRadioButton(const std::string& name, Rect place, const std::string& caption, Font font);
  CheckBox& addCheckBox(const std::string& name, Rect place, const std::string& caption, Font font);
  PopupMenu& addPopupMenu(const std::string& name, Rect place, const std::string& items, Font font);
  Canvas& addCanvas(const std::string& name, Rect place);
  ListBox& addListBox(const std::string& name, Rect place, int columnCount, Font font);
  // A frame drawn behind the controls it surrounds, whenever it is made.
  Decoration& addGroupBox(const std::string& name, Rect place, const std::string& caption, Font font);
  Decoration& addLine(const std::string& name, int x1, int y1, int x2, int y2);
  Decoration& addSeparator(const std::string& name, Rect place);
  Decoration& addRoundRectangle(const std::string& name, Rect place, Color fill, Color border, int cornerSize);
  Timer& addTimer(const std::string& name, int periodMilliseconds);

  // Turning one button of a group on turns the others of that group off.
  // Arrow keys move the focus between the group's buttons and select none.
  void groupRadioButtons(std::initializer_list<RadioButton*> buttons);
  // Return and Enter press the push button that has the keyboard focus; in a
  // field given a button of its own they press that one; anywhere else, this one.
  void setDefaultButton(PushButton& button);
  void setReturnButton(EditField& field, PushButton& button);
  // Runs when Escape is pressed in the window.
  void setEscapeHandler(std::function<void()> handler);

private:
  friend class WindowFrame;
  template <class C, class... Args>
  C& remember(Args&&... args);
  void runCloseHandler();
  // Presses the button Return stands for; false when there is none.
  bool pressReturn();
  std::function<void()> closed_;
  std::function<void()> escape_;
  PushButton* defaultButton_ = nullptr;
  std::map<const EditField*, PushButton*> returnButtons_;

  // Declared before the frame so the controls outlive the widgets they wrap.
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::unique_ptr<WindowFrame> frame_;
  QWidget* content_;
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
