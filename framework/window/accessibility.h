// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What assistive tools (screen readers) see of the windows: every control with
// a name, nothing that only draws, nothing the user must not read.

#include <QWidget>

class QTimer;

namespace fw {

// A widget that a press from the keyboard or an assistive tool acts on as a click does.
class Pressable {
public:
  enum class Role { Button, Link };
  virtual ~Pressable() = default;
  virtual void press() = 0;
  virtual Role pressRole() const = 0;
};

// Says what the user should hear now and no focused control says (what an
// action did out of sight): it comes and goes as a notification,
// which a screen reader speaks as it appears. It draws nothing.
class Announcer final : public QWidget {
  Q_OBJECT

public:
  explicit Announcer(QWidget* parent);
  void announce(const QString& news);

private:
  QTimer* gone_;
};

// Makes the windows' own accessibility known to Qt; runs once, on first use.
void installAccessibility();

// The widget is left out of what assistive tools see: it only draws.
void keepFromAssistiveTools(QWidget* widget);
// The window is a dialog to assistive tools, which say the description as it opens.
void markAsDialog(QWidget* window, const QString& description);
// The window's content area: it lists its controls less those kept out and those hidden.
void markAsContentArea(QWidget* widget);

}  // namespace fw
