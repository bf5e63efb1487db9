#pragma once

#include <functional>

// Has SIGTERM, SIGINT and SIGHUP call Quit on the GUI thread, from the event loop, instead of
// killing the process: a desktop logging out or a Ctrl+C in a terminal then ends the program the
// same way as closing its window. Call once, after the toolkit has started.
void WatchQuitSignals(std::function<void()> Quit);
