// The window program's start, exactly as the program makes it, up to the moment its main window
// is shown and idle.

#include <QApplication>

#include "harness.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return fillmap::run_program([&] { return exec_until_idle(application); });
}
