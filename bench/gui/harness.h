#pragma once
// The end of a start-up harness: once a window is shown and the event loop has nothing left to
// do, the harness reports when that was and how much memory it holds, and quits.

class QApplication;

// Runs the event loop until it first waits for events with a window on screen, then prints
// "idle <steady-clock nanoseconds> <VmRSS kB>" on standard output and leaves the loop.
int exec_until_idle(QApplication& application);
