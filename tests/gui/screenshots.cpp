// Pictures of the window as a person sees it, for looking at the layout: writes PNGs of every
// page, the input page of each kind of shape, the output page after a calculation and the
// About box, and the calibration report of the start values as PDF and PNG, into the folder
// given as the argument.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "platform/qt/report_preview.h"
#include "report/print_report.h"
#include "ui/about.h"
#include "ui/application.h"
#include "ui/fillmap0.h"

namespace {

template <typename Widget>
Widget* child(QWidget* window, const char* name) {
  auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
  if (!found) qFatal("no component %s", name);
  return found;
}

int take_pictures(const QDir& folder) {
  using namespace fillmap;
  if (!QTest::qWaitForWindowExposed(Form1)) qFatal("the main window was not shown");
  auto* pages = child<QTabWidget>(Form1, "PageControl1");
  const auto save = [&](QWidget* window, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window->grab().save(path)) qFatal("cannot write %s", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
  };
  const auto show_page = [&](const char* page) {
    pages->setCurrentWidget(child<QWidget>(Form1, page));
  };
  const auto choose_shape = [&](const char* item) { child<QAbstractButton>(Form1, item)->click(); };

  save(Form1, "initial_page");
  show_page("TabSheetInput");
  save(Form1, "input_sphere");
  choose_shape("ShapeConical");
  save(Form1, "input_cone");
  choose_shape("ShapeHemisphericalEnds");
  save(Form1, "input_cylinder");
  choose_shape("ShapeSpherical");
  child<QAbstractButton>(Form1, "BtnCalculate")->click();
  save(Form1, "output_page");
  show_page("TabSheetHelp");
  save(Form1, "help_page");
  AboutBox->show();
  if (!QTest::qWaitForWindowExposed(AboutBox)) qFatal("the About box was not shown");
  save(AboutBox, "about_box");
  // The report of the start values, written where the preview would open.
  set_report_preview([&](const Report& report, QWidget*) {
    write_report_files(report, folder.filePath(QStringLiteral("report.pdf")),
                       folder.filePath(QStringLiteral("report.png")));
  });
  child<QAbstractButton>(Form1, "BtnReport")->click();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 64;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) qFatal("cannot make %s", argv[1]);
  return fillmap::run_program([&] { return take_pictures(folder); });
}
