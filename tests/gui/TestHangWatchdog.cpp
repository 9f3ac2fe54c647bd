#include "gui/TestHangWatchdog.h"

#include <cstdio>
#include <cstdlib>

TestHangWatchdog::TestHangWatchdog(std::chrono::seconds limit)
    : limit_(limit), thread_([this] { Watch(); }) {}

TestHangWatchdog::~TestHangWatchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void TestHangWatchdog::OnTestStart(const ::testing::TestInfo& test) {
  std::lock_guard lock(mutex_);
  testName_ = std::string(test.test_suite_name()) + "." + test.name();
  started_ = std::chrono::steady_clock::now();
  testRunning_ = true;
}

void TestHangWatchdog::OnTestEnd(const ::testing::TestInfo&) {
  std::lock_guard lock(mutex_);
  testRunning_ = false;
}

void TestHangWatchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    wake_.wait_for(lock, std::chrono::seconds(1));
    if (testRunning_ && std::chrono::steady_clock::now() - started_ > limit_) {
      std::fprintf(stderr, "\n%s still running after %lld s: stopped as a hang\n",
                   testName_.c_str(), static_cast<long long>(limit_.count()));
      std::fflush(stderr);
      std::_Exit(124);
    }
  }
}
