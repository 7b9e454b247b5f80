// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/window/jobs.h"

#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace {

// A job that records its name where and when its result is applied; with
// hold, it waits until released, or until it is asked to stop.
fw::JobQueue::Work job(std::string& log, const std::string& name, std::atomic<bool>* hold = nullptr) {
  return [&log, name, hold](std::stop_token stop) -> fw::JobQueue::Then {
    while (hold && *hold && !stop.stop_requested()) QThread::yieldCurrentThread();
    const bool stopped = stop.stop_requested();
    const bool onAWorker = QThread::currentThread() != qApp->thread();
    return [&log, name, stopped, onAWorker] {
      log += name + (stopped ? "(stopped)" : "") + (onAWorker ? "" : "(not on a worker)") +
             (QThread::currentThread() == qApp->thread() ? " " : "(not on the owner's thread) ");
    };
  };
}

bool idle(const fw::JobQueue& jobs) {
  return QTest::qWaitFor([&jobs] { return !jobs.busy(); }, 60'000);
}

TEST(JobQueue, RunsOneJobAtATimeInOrderAndAppliesEachResultLaterOnTheOwnersThread) {
  fw::JobQueue jobs;
  std::string log;
  jobs.setAfterEach([&log] { log += "| "; });
  std::atomic<bool> hold = true;
  jobs.add(0, job(log, "a", &hold));
  jobs.add(1, job(log, "b"));
  EXPECT_TRUE(jobs.busy());
  hold = false;
  EXPECT_EQ(log, "");  // not from within add(), whatever the worker did meanwhile
  ASSERT_TRUE(idle(jobs));
  EXPECT_EQ(log, "a | b | ");
}

TEST(JobQueue, CancelStopsTheRunningJobOfAKindAndDropsTheWaitingOnes) {
  fw::JobQueue jobs;
  std::string log;
  std::atomic<bool> hold = true;  // never released: only a stop ends it
  jobs.add(7, job(log, "sort", &hold));
  jobs.add(7, job(log, "sort again"));
  jobs.add(2, job(log, "save"));
  jobs.add(7, job(log, "last sort"));
  jobs.cancel(7);
  jobs.add(7, job(log, "newest sort"));
  ASSERT_TRUE(idle(jobs));
  EXPECT_EQ(log, "save newest sort ");
}

TEST(JobQueue, FinishHereAppliesEveryResultNowAndNothingTwice) {
  fw::JobQueue jobs;
  std::string log;
  int afterEach = 0;
  jobs.setAfterEach([&afterEach] { ++afterEach; });
  jobs.add(0, job(log, "running"));
  jobs.add(1, job(log, "waiting"));
  jobs.finishHere();
  EXPECT_FALSE(jobs.busy());
  EXPECT_EQ(log, "running waiting(not on a worker) ");
  EXPECT_EQ(afterEach, 2);
  // The worker's wake comes later and finds nothing left to apply.
  jobs.add(2, job(log, "next"));
  ASSERT_TRUE(idle(jobs));
  EXPECT_EQ(log, "running waiting(not on a worker) next ");
  EXPECT_EQ(afterEach, 3);
}

}  // namespace
