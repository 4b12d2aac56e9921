#include "platform/qt/exception_box.h"

#include <QApplication>

#include "platform/dataset.h"
#include "platform/exceptions.h"
#include "platform/qt/dialogs.h"

namespace fillmap {

QString exception_box_text(const std::exception& error) {
  return QString::fromStdString(exception_box_message(error));
}

void show_exception(const std::exception& error) {
  dialogs().exception_box(QApplication::activeWindow(), exception_box_text(error));
}

void install_exception_box() { SetApplicationExceptionReport(show_exception); }

void run_handler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    show_exception(error);
  }
}

}  // namespace fillmap
