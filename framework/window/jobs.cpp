// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/jobs.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <system_error>
#include <thread>
#include <utility>

namespace fw {

struct JobQueue::Job {
  int kind;
  Work work;
  std::uint64_t serial;
  std::stop_source stop;
  std::thread thread;
  // Set by the worker with its result; read on the owner's thread once done.
  Then then;
  std::atomic<bool> done = false;

  void run() {
    then = work(stop.get_token());
    done.store(true, std::memory_order_release);
  }
};

namespace {
std::uint64_t nextSerial = 0;
}  // namespace

JobQueue::JobQueue(QObject* parent) : QObject(parent) {
  // A worker wakes the owner's event loop through an event counter rather
  // than by posting an event: then what the worker did is seen by the owner
  // by a handover that thread checkers know, as a read of what was written.
  done_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (done_ < 0) return;
  auto* notifier = new QSocketNotifier(done_, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] {
    eventfd_t count = 0;
    ::eventfd_read(done_, &count);
    // A wake for a job already finished here finds another running, or none.
    if (running_ && running_->done.load(std::memory_order_acquire)) finished(running_.get());
  });
}

JobQueue::~JobQueue() {
  waiting_.clear();
  if (running_) {
    running_->stop.request_stop();
    if (running_->thread.joinable()) running_->thread.join();
  }
  if (done_ >= 0) ::close(done_);
}

void JobQueue::add(int kind, Work work) {
  auto job = std::make_unique<Job>();
  job->kind = kind;
  job->work = std::move(work);
  job->serial = ++nextSerial;
  waiting_.push_back(std::move(job));
  if (!finishingHere_) startNext();
}

void JobQueue::cancel(int kind) {
  std::erase_if(waiting_, [kind](const std::unique_ptr<Job>& job) { return job->kind == kind; });
  if (running_ && running_->kind == kind) running_->stop.request_stop();
}

void JobQueue::startNext() {
  if (running_ || waiting_.empty()) return;
  running_ = std::move(waiting_.front());
  waiting_.pop_front();
  Job* job = running_.get();
  const std::uint64_t serial = job->serial;
  // The result is handed back by the event loop, never from within add(),
  // so that a job's owner sees it at one time, whether or not a thread could
  // be had.
  const auto handBack = [this, serial] {
    if (done_ >= 0) {
      ::eventfd_write(done_, 1);
      return;
    }
    // No event counter to be had (no file descriptor left): an event does it.
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
          if (running_ && running_->serial == serial) finished(running_.get());
        },
        Qt::QueuedConnection);
  };
  try {
    job->thread = std::thread([job, handBack] {
      job->run();
      handBack();
    });
  } catch (const std::system_error&) {
    // No thread to be had (memory runs short): the work is done here.
    job->run();
    handBack();
  }
  emit runningChanged(job->kind);
}

void JobQueue::finished(Job* job) {
  if (job->thread.joinable()) job->thread.join();
  // A stopped job's result was asked not to be applied.
  if (job->done.load(std::memory_order_acquire) && job->then && !job->stop.stop_requested()) job->then();
  if (afterEach_) afterEach_();
  running_.reset();
  if (finishingHere_) return;
  startNext();
  if (!running_) emit runningChanged(-1);
}

void JobQueue::finishHere() {
  finishingHere_ = true;
  while (running_ || !waiting_.empty()) {
    if (!running_) {
      running_ = std::move(waiting_.front());
      waiting_.pop_front();
      running_->run();
    }
    finished(running_.get());
  }
  finishingHere_ = false;
  emit runningChanged(-1);
}

}  // namespace fw
