// The window program's start, step for step as src/ui/main.cpp does it, up to the moment its
// main window is shown and idle.

#include <QApplication>

#include "geometry/tank_state.h"
#include "harness.h"
#include "ui/about.h"
#include "ui/application.h"
#include "ui/fillmap0.h"

int main(int argc, char** argv) {
  using namespace fillmap;
  tank_state.tank_shape = shape_spherical;

  QApplication application(argc, argv);
  set_up_application();

  TForm1 main_window;
  Form1 = &main_window;
  TAboutBox about_box;
  AboutBox = &about_box;

  Form1->show();
  return exec_until_idle(application);
}
