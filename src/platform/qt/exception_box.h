#pragma once
// The application's standard exception box, and the rule that no exception crosses Qt's event
// loop: every event handler runs through run_handler, which shows what leaves the handler and
// lets the program go on, as the message loop of the original platform does.

#include <QObject>
#include <QString>
#include <exception>
#include <functional>

namespace fillmap {

// The text the box shows: the error's message, with a full stop added when it lacks one.
QString exception_box_text(const std::exception& error);

// Shows the error in the standard exception box (through the dialogs in force).
void show_exception(const std::exception& error);

// Makes the standard exception box the data-set framework's report for errors that cannot
// travel further up.
void install_exception_box();

// Runs one event handler; an error that leaves it is shown in the standard exception box.
void run_handler(const std::function<void()>& handler);

// Connects `signal` of `sender` to the handler method of `window`, run through run_handler.
// The handler takes no arguments: like the original handlers it ignores what the event carries.
template <typename Sender, typename Signal, typename Window>
QMetaObject::Connection connect_handler(Sender* sender, Signal signal, Window* window,
                                        void (Window::*handler)()) {
  return QObject::connect(sender, signal, window,
                          [window, handler] { run_handler([&] { (window->*handler)(); }); });
}

}  // namespace fillmap
