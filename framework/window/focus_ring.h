// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A ring around the control that has the keyboard focus, in the program's own
// look, so the focus can be seen on every control, however it came there.

#include <QPointer>
#include <QWidget>

namespace fw {

// A control whose focus rests on a part of it (a list's heading): the ring goes round that part.
class FocusedPart {
public:
  virtual ~FocusedPart() = default;
  // In the control's coordinates.
  virtual QRect focusedPart() const = 0;
};

class FocusRing final : public QWidget {
  Q_OBJECT

public:
  // Follows the focus among the controls of the area.
  explicit FocusRing(QWidget* area);

  // Puts the ring of the control's window round it again, after its focused part moved.
  static void refresh(QWidget* control);

protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void follow(QWidget* focus);

  QWidget* area_;
  QPointer<QWidget> target_;
};

}  // namespace fw
