#include "platform/qt/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace fillmap {

namespace {

void show_modal_box(QWidget* parent, const QString& title, const QString& message) {
  QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, parent);
  box.exec();
}

class SystemDialogs final : public Dialogs {
 public:
  void beep() override { QApplication::beep(); }
  void error_box(QWidget* parent, const QString& message) override {
    show_modal_box(parent, QStringLiteral("Error"), message);
  }
  void exception_box(QWidget* parent, const QString& message) override {
    show_modal_box(parent, QApplication::applicationDisplayName(), message);
  }
};

SystemDialogs system_dialogs;
Dialogs* dialogs_in_force = &system_dialogs;

}  // namespace

Dialogs& dialogs() { return *dialogs_in_force; }

void set_dialogs(Dialogs* replacement) {
  dialogs_in_force = replacement ? replacement : &system_dialogs;
}

}  // namespace fillmap
