#pragma once
// The application object's set-up at start-up, before any window is created.

namespace fillmap {

// Titles the application "FILLMAP" with its version and icon, puts installed fonts in place of
// the layout's Windows fonts, takes the decimal separator from the user's locale and makes the
// standard exception box the report of errors that cannot travel further up.
void set_up_application();

}  // namespace fillmap
