#pragma once
// The program's start-up: the application object's set-up, then its two windows.

#include <functional>

namespace fillmap {

// Titles the application "FILLMAP" with its version and icon, puts installed fonts in place of
// the layout's Windows fonts, takes the decimal separator from the user's locale and makes the
// standard exception box the report of errors that cannot travel further up.
void set_up_application();

// Starts FILLMAP in the QApplication that exists: sets it up, creates the main window Form1 and
// the hidden About box, shows the main window and runs `event_loop` until it returns.
int run_program(const std::function<int()>& event_loop);

}  // namespace fillmap
