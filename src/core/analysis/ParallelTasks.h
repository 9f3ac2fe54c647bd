#pragma once

#include <atomic>
#include <functional>

// Runs task(0) ... task(count - 1) on `threads` threads (0: one per core; the calling thread
// is one of them), each task on whichever thread is free next. A cancel request, checked
// before each task, leaves the tasks not yet begun undone. The tasks must not depend on one
// another: then the outcome is the same whatever the number of threads. Where no further
// thread can be started, those running take all tasks.
void RunParallelTasks(int count, int threads, const std::atomic<bool>* cancel,
                      const std::function<void(int)>& task);

// The threads RunParallelTasks uses for 0: one per core, at least one.
int CoreCount();
