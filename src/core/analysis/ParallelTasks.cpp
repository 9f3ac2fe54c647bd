#include "analysis/ParallelTasks.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

int CoreCount() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void RunParallelTasks(int count, int threads, const std::atomic<bool>* cancel,
                      const std::function<void(int)>& task) {
  if (threads <= 0) threads = CoreCount();
  threads = std::min(threads, count);
  std::atomic<int> next{0};
  const auto worker = [&] {
    for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
      if (cancel && cancel->load(std::memory_order_relaxed)) return;
      task(i);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) {
    try {
      pool.emplace_back(worker);
    } catch (const std::system_error&) {
      break;
    }
  }
  worker();
  for (std::thread& t : pool)
    t.join();
}
