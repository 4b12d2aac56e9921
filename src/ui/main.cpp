// FILLMAP: the level-to-volume calibration of a tank for a level monitor, in one window.

#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return fillmap::run_program(&QApplication::exec);
}
