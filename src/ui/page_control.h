#pragma once
// A tab widget that tells the user's change of page from the program's: only a change made with
// the mouse or the keyboard on the tabs raises userChangedPage. The calculation makes the output
// page active itself, and must not be run again by doing so.

#include <QTabWidget>

namespace fillmap {

class PageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent = nullptr);

 signals:
  // The user made the page at `index` the active one.
  void userChangedPage(int index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class TabBar;

  // Hands one input event to `deliver`; a page change it causes is the user's.
  template <typename Deliver>
  void as_user(Deliver deliver);

  bool user_input_ = false;
};

}  // namespace fillmap
