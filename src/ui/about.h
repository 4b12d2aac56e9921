#pragma once
// The About box: modeless, on top of the other windows, shown by "&About" and hidden again by
// "OK", Enter, its own close and every activation of the main window.

#include <QDialog>

#include "ui_about.h"

namespace fillmap {

class TAboutBox : public QDialog, private Ui::TAboutBox {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 private:
  void OKButtonClick();
};

// The one About box, from start-up to exit.
extern TAboutBox* AboutBox;

}  // namespace fillmap
