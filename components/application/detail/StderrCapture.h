#pragma once

#include <string>

// Holds back what is written to the standard error stream, at the level of the file descriptor,
// from construction until Release or PassOn: what the toolkit and the libraries below it print
// there (libwayland's complaints, for one) can then be folded into a report or passed on.
//
// Nothing held is lost when the process ends before that: a crash (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGABRT, SIGTRAP, SIGSYS), exit(), a sanitizer's report, or Spill called by a signal
// handler first writes it all out to the real standard error stream, control characters shown by
// their codes; the crash then takes its course, through the handler that was there before (a
// sanitizer's) or the default action. One capture at a time; where none can be made (no standard
// error stream, no memory file), the output passes as it comes.
class StderrCapture {
public:
  StderrCapture();
  // Passes on what is still held.
  ~StderrCapture();
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // Gives the standard error stream back and returns what was written to it meanwhile, as it
  // was written. Later calls return nothing.
  std::string Release();
  // Gives the standard error stream back and writes out what was held, with the control
  // characters and those that cannot be seen or that reorder text shown by their codes.
  void PassOn();
  // Whether output is being held (a capture could be made, and it has not been released).
  bool Holding() const { return Holding_; }

  // Gives the standard error stream back and writes out what is held, only the control
  // characters shown by their codes; does nothing when nothing is held. Safe in a signal handler
  // and from any thread.
  static void Spill() noexcept;

private:
  bool Holding_ = false;
};
