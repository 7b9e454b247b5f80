// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>


namespace fw {

namespace {

constexpr int kGap = 2;    // between the control and the ring
constexpr int kWidth = 2;  // of the ring's line
const QColor kColour(0x1F, 0x5F, 0xBF);

}  // namespace

// It only draws: the windows' accessibility leaves it out.
FocusRing::FocusRing(QWidget* area) : QWidget(area), area_(area) {
  setObjectName("focusRing");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::refresh(QWidget* control) {
  for (QWidget* w = control; w; w = w->parentWidget()) {
    if (auto* ring = w->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly)) {
      ring->follow(QApplication::focusWidget());
      return;
    }
  }
}

void FocusRing::follow(QWidget* focus) {
  if (target_) target_->removeEventFilter(this);
  target_ = focus && area_->isAncestorOf(focus) ? focus : nullptr;
  if (!target_ || !target_->isVisible()) {
    hide();
    return;
  }
  target_->installEventFilter(this);
  const auto* part = dynamic_cast<const FocusedPart*>(target_.data());
  const QRect around = part ? part->focusedPart() : target_->rect();
  const QRect inArea(target_->mapTo(area_, around.topLeft()), around.size());
  setGeometry(inArea.adjusted(-kGap - kWidth, -kGap - kWidth, kGap + kWidth, kGap + kWidth));
  raise();
  show();
  update();
}

// The ring goes where its control goes, and away with it.
bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide: follow(static_cast<QWidget*>(watched)->hasFocus() ? static_cast<QWidget*>(watched) : nullptr); break;
    default: break;
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kColour, kWidth));
  const qreal inset = kWidth / 2.0;
  painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 4, 4);
}

}  // namespace fw
