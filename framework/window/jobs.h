// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Long work of one owner, run beside the owner's thread one job at a time, in
// the order given. A job's work runs on a thread of its own and returns what
// is to be done with its result; that runs on the owner's thread, by a queued
// call, so that the owner's data is only ever changed there. The event loop
// is never spun while a job runs: the owner goes on as ever meanwhile.

#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <stop_token>

namespace fw {

class JobQueue final : public QObject {
  Q_OBJECT

public:
  // Runs on the owner's thread once the job's work is done.
  using Then = std::function<void()>;
  // Runs on a thread of its own; it may end early once its stop is asked for.
  using Work = std::function<Then(std::stop_token)>;

  explicit JobQueue(QObject* parent = nullptr);
  // Asks the running job to stop and waits for it; nothing more is applied.
  ~JobQueue() override;

  // Queues a job; kind tells jobs apart for cancel().
  void add(int kind, Work work);
  // Stops the running job of that kind, whose result is then dropped, and
  // drops the waiting ones.
  void cancel(int kind);
  bool busy() const { return running_ != nullptr; }
  // Runs on the owner's thread after each job's result (or after a job that
  // was stopped), before the next job starts.
  void setAfterEach(std::function<void()> afterEach) { afterEach_ = std::move(afterEach); }
  // Does every job here and now, waiting for the running one, and applies
  // their results: for when nobody is there to wait for them (the program ends).
  void finishHere();

signals:
  // A job started while none ran (kind), or the last one ended (-1).
  void runningChanged(int kind);

private:
  struct Job;
  void startNext();
  void finished(Job* job);

  std::deque<std::unique_ptr<Job>> waiting_;
  std::unique_ptr<Job> running_;
  std::function<void()> afterEach_;
  bool finishingHere_ = false;
  int done_ = -1;  // counts the workers that are done, to wake the owner
};

}  // namespace fw
