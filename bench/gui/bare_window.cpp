// The yardstick for the window program's start: a bare Qt Widgets window of the main window's
// size, started and shown the same way.

#include <QApplication>
#include <QWidget>

#include "harness.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(648, 463);
  window.show();
  return exec_until_idle(application);
}
