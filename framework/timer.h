// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A window's timer: off, or repeating with a period in milliseconds.

#include <functional>
#include <memory>
#include <string>

class QTimer;

namespace fw {

class Timer {
public:
  enum class Mode { Off, Repeating };

  explicit Timer(std::string name);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  Mode mode() const { return mode_; }
  // Switching to Repeating always starts a full period, also when already running.
  void setMode(Mode mode);
  int period() const;
  void setPeriod(int milliseconds);
  void setActionHandler(std::function<void()> handler);

private:
  std::string name_;
  Mode mode_ = Mode::Off;
  std::unique_ptr<QTimer> timer_;
};

}  // namespace fw
