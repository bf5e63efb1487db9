#pragma once

#include <functional>

// SIGTERM, SIGINT and SIGHUP end the program the same way as closing its window (a desktop
// logging out, a Ctrl+C in a terminal), with a normal exit, from the first moment:
// - CatchQuitSignals, before the toolkit starts, takes the signals over (also when the program
//   was started with them blocked); one that arrives from then on is kept;
// - WatchQuitSignals, once the toolkit has started, has Quit called from the event loop for a
//   signal kept so far and for every later one.
void CatchQuitSignals();
void WatchQuitSignals(std::function<void()> Quit);
