#pragma once

#include <functional>

// SIGTERM, SIGINT and SIGHUP end the program the same way as closing its window (a desktop
// logging out, a Ctrl+C in a terminal), with a normal exit, from the first moment:
// - CatchQuitSignals, before the toolkit starts, takes over those that the program was not
//   started with ignored (by nohup, a shell's trap '' HUP, a service manager: those stay
//   ignored), also when it was started with them blocked; one that arrives from then on is kept.
//   It also ignores SIGPIPE: a closed pipe on the standard error stream loses what was written
//   to it, nothing more.
// - WatchQuitSignals, once the toolkit has started, has Quit called from the event loop for a
//   signal kept so far and for every later one.
// - QuitSignalsHandled, once the event loop has ended, tells that a signal kept so far has been
//   acted on.
// The event loop has half a second to act on a quit signal. Where it cannot (start-up has
// stalled, descriptors or memory ran out, a paint takes minutes), the program ends then with
// exit status 0: it keeps no data, so nothing is lost. What start-up held back of the standard
// error stream is written out first. That deadline is kept by a timer raising a signal that the
// program was started with at its default action (SIGALRM, else a real-time signal), so that
// every signal the program was started with ignored stays ignored.
//
// The executable a user starts (app/launcher.cpp) blocks the three from its first instruction,
// before the toolkit's libraries load; CatchQuitSignals unblocks them, and one that came meanwhile
// is acted on as any other.
void CatchQuitSignals();
void WatchQuitSignals(std::function<void()> Quit);
void QuitSignalsHandled();
