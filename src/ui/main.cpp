// FILLMAP: the level-to-volume calibration of a tank for a level monitor, in one window.

#include <QApplication>

#include "geometry/tank_state.h"
#include "ui/about.h"
#include "ui/application.h"
#include "ui/fillmap0.h"

int main(int argc, char** argv) {
  using namespace fillmap;
  // The shape radio group starts on its first item, the sphere.
  tank_state.tank_shape = shape_spherical;

  QApplication application(argc, argv);
  set_up_application();

  TForm1 main_window;
  Form1 = &main_window;
  TAboutBox about_box;
  AboutBox = &about_box;

  Form1->show();
  return QApplication::exec();
}
