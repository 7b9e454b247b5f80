// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/timer.h"

#include <QTimer>

namespace fw {

Timer::Timer(std::string name) : name_(std::move(name)), timer_(std::make_unique<QTimer>()) {
  timer_->setSingleShot(false);
  // A coarse timer lets the system batch the game clock with other wake-ups.
  timer_->setTimerType(Qt::CoarseTimer);
}

Timer::~Timer() = default;

void Timer::setMode(Mode mode) {
  mode_ = mode;
  if (mode == Mode::Repeating) {
    timer_->start();
  } else {
    timer_->stop();
  }
}

int Timer::period() const { return timer_->interval(); }
void Timer::setPeriod(int milliseconds) { timer_->setInterval(milliseconds); }

void Timer::setActionHandler(std::function<void()> handler) {
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [h = std::move(handler)] { h(); });
}

}  // namespace fw
