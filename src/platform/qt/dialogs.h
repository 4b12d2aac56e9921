#pragma once
// The one way the window beeps and shows its modal boxes. A test puts a recorder in place of the
// real boxes, so that it reads "beep", "box Invalid diameter (d) !" instead of blocking in a
// modal loop.

#include <QString>

class QWidget;

namespace fillmap {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // The system's default beep.
  virtual void beep() = 0;
  // The calculation's error box: modal, titled "Error", the error icon, the message and "OK".
  virtual void error_box(QWidget* parent, const QString& message) = 0;
  // The application's standard exception box: modal, titled with the application's name, the
  // stop icon, the message and "OK".
  virtual void exception_box(QWidget* parent, const QString& message) = 0;
};

// The dialogs in force: the real boxes unless a test replaced them.
Dialogs& dialogs();
// Puts `replacement` in force; nullptr brings the real boxes back. The caller keeps ownership
// and resets the seam before `replacement` goes away.
void set_dialogs(Dialogs* replacement);

}  // namespace fillmap
