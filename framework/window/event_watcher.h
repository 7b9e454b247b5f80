// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Hands a widget's events to a handler before the widget sees them.

#include <QObject>

#include <functional>
#include <utility>

namespace fw {

// The handler returns true to consume the event. The watcher lives as long
// as the watched object.
inline void watchEvents(QObject* watched, std::function<bool(QEvent*)> onEvent) {
  class Watcher final : public QObject {
  public:
    Watcher(QObject* parent, std::function<bool(QEvent*)> onEvent) : QObject(parent), onEvent_(std::move(onEvent)) {}
    bool eventFilter(QObject*, QEvent* event) override { return onEvent_(event); }

  private:
    std::function<bool(QEvent*)> onEvent_;
  };
  watched->installEventFilter(new Watcher(watched, std::move(onEvent)));
}

}  // namespace fw
