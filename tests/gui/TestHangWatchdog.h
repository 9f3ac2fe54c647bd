#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the test process when one test runs far longer than any test should, naming the test.
// A widget test waiting on a modal window nobody answers would otherwise wait forever; this
// turns that wait into a failure the runner reports.
class TestHangWatchdog : public ::testing::EmptyTestEventListener {
 public:
  explicit TestHangWatchdog(std::chrono::seconds limit);
  ~TestHangWatchdog() override;

  void OnTestStart(const ::testing::TestInfo& test) override;
  void OnTestEnd(const ::testing::TestInfo& test) override;

 private:
  void Watch();

  const std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  bool testRunning_ = false;
  std::string testName_;
  std::chrono::steady_clock::time_point started_;
  std::thread thread_;
};
