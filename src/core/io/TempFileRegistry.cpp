#include "io/TempFileRegistry.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

// A slot is free (0), being filled or emptied (1: the handler leaves it alone), or holds a
// path (2).
struct Slot {
  std::atomic<int> State{0};
  char Path[TempFileRegistry::kMaxPath + 1] = {};
};

Slot gSlots[TempFileRegistry::kSlots];
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

constexpr int kFree = 0;
constexpr int kBusy = 1;
constexpr int kHeld = 2;

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

int TempFileRegistry::Add(const std::string& path) {
  if (path.size() > kMaxPath) return -1;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!gSlots[i].State.compare_exchange_strong(expected, kBusy)) continue;
    std::memcpy(gSlots[i].Path, path.c_str(), path.size() + 1);
    gSlots[i].State.store(kHeld);
    return i;
  }
  return -1;
}

void TempFileRegistry::Remove(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  gSlots[slot].State.store(kBusy);
  gSlots[slot].Path[0] = '\0';
  gSlots[slot].State.store(kFree);
}

int TempFileRegistry::Count() {
  int taken = 0;
  for (const Slot& slot : gSlots)
    taken += slot.State.load() != kFree ? 1 : 0;
  return taken;
}

void TempFileRegistry::RemoveAll() {
  // Only async-signal-safe calls from here on.
  for (Slot& slot : gSlots) {
    int expected = kHeld;
    if (slot.State.compare_exchange_strong(expected, kBusy)) {
      ::unlink(slot.Path);
      slot.Path[0] = '\0';
      slot.State.store(kFree);
    }
  }
}

void TempFileRegistry::OnSignal(int signal) {
  const int savedErrno = errno;
  RemoveAll();
  // Ended by the signal itself, so that a shell or a parent sees what stopped the program.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  ::sigaction(signal, &fallback, nullptr);
  errno = savedErrno;
  ::raise(signal);
}

void TempFileRegistry::InstallSignalCleanup() {
  for (const int signal : kSignals) {
    struct sigaction previous {};
    ::sigaction(signal, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN) continue;  // nohup and the like keep their choice
    struct sigaction action {};
    action.sa_handler = &TempFileRegistry::OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int other : kSignals)
      sigaddset(&action.sa_mask, other);
    ::sigaction(signal, &action, nullptr);
  }
}
