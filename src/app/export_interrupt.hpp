// Ctrl-C during a long export: while an `InterruptWatch` lives, the first interrupt only
// raises a flag, so the export can stop between two files and remove what it had begun; a
// second one ends the program at once. A file size limit (SIGXFSZ) makes the write fail
// with a reason instead of ending the program.
#pragma once

namespace kolvard {

class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Whether an interrupt came since the watch began.
  static bool interrupted();
  // The exit status of a command stopped by it: 128 + the signal's number (130 for Ctrl-C).
  static int exitStatus();
};

}  // namespace kolvard
