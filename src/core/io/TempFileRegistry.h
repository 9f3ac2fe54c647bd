#pragma once

#include <string>

// The temporary files a save has open at this moment, kept where a signal handler can reach
// them: a process stopped by Ctrl+C, a hang-up or a polite kill removes them on its way out
// instead of leaving hidden half-written files beside the user's. A process killed outright
// (SIGKILL) cannot; its files are removed by the next save into the same folder
// (AtomicFileWriter). The slots are fixed memory, written before a temporary file exists and
// cleared after it is gone, so the handler needs no allocation and no lock.
class TempFileRegistry {
 public:
  // How many saves may be under way at once; a save beyond this still works, its file is
  // only not removed by a signal.
  static constexpr int kSlots = 8;
  static constexpr std::size_t kMaxPath = 4096;

  // Takes a slot for `path`; -1 when none is free or the path is too long.
  static int Add(const std::string& path);
  // Gives the slot back (nothing for -1).
  static void Remove(int slot);
  // How many slots are taken: the tests' view of what a signal would remove.
  static int Count();

  // From now on SIGINT, SIGTERM and SIGHUP remove the registered files and then end the
  // process as the signal would have (same status for the parent to see). A signal the
  // process had chosen to ignore stays ignored.
  static void InstallSignalCleanup();
  // What the handler does, without the ending: for the tests.
  static void RemoveAll();

 private:
  static void OnSignal(int signal);
};
