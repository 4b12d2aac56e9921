#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

#include "geometry/tank_state.h"
#include "platform/conversions.h"
#include "platform/qt/exception_box.h"
#include "ui/about.h"
#include "ui/fillmap0.h"

namespace fillmap {

namespace {

// The layout names the fonts of the system it was drawn on; these installed fonts have the same
// metrics (Liberation) or are the nearest small sans and serif.
void substitute_fonts() {
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void take_decimal_separator_from_locale() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1 && point[0].unicode() < 0x80)
    format_settings().decimal_separator = point[0].toLatin1();
}

}  // namespace

void set_up_application() {
  QApplication::setApplicationName(QStringLiteral("FILLMAP"));
  QApplication::setApplicationDisplayName(QStringLiteral("FILLMAP"));
  QApplication::setApplicationVersion(QStringLiteral(FILLMAP_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/fillmap.svg")));
  substitute_fonts();
  take_decimal_separator_from_locale();
  install_exception_box();
}

int run_program(const std::function<int()>& event_loop) {
  // The shape radio group starts on its first item, the sphere.
  tank_state.tank_shape = shape_spherical;
  set_up_application();
  TForm1 main_window;
  Form1 = &main_window;
  TAboutBox about_box;
  AboutBox = &about_box;
  Form1->show();
  return event_loop();
}

}  // namespace fillmap
