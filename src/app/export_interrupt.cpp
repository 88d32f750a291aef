#include "app/export_interrupt.hpp"

#include <csignal>

namespace kolvard {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int signal) {
  gInterrupted = signal;
  // The next interrupt ends the program: a user pressing Ctrl-C twice means it.
  std::signal(signal, SIG_DFL);
}

using Handler = void (*)(int);
Handler gPreviousInt = SIG_DFL;
Handler gPreviousTerm = SIG_DFL;
#ifdef SIGXFSZ
Handler gPreviousFileSize = SIG_DFL;
#endif

}  // namespace

InterruptWatch::InterruptWatch() {
  gInterrupted = 0;
  gPreviousInt = std::signal(SIGINT, onInterrupt);
  gPreviousTerm = std::signal(SIGTERM, onInterrupt);
#ifdef SIGXFSZ
  gPreviousFileSize = std::signal(SIGXFSZ, SIG_IGN);
#endif
}

InterruptWatch::~InterruptWatch() {
  std::signal(SIGINT, gPreviousInt == SIG_ERR ? SIG_DFL : gPreviousInt);
  std::signal(SIGTERM, gPreviousTerm == SIG_ERR ? SIG_DFL : gPreviousTerm);
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, gPreviousFileSize == SIG_ERR ? SIG_DFL : gPreviousFileSize);
#endif
}

bool InterruptWatch::interrupted() {
  return gInterrupted != 0;
}

int InterruptWatch::exitStatus() {
  return 128 + (gInterrupted != 0 ? static_cast<int>(gInterrupted) : SIGINT);
}

}  // namespace kolvard
