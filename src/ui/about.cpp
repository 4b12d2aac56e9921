#include "ui/about.h"

#include "platform/qt/exception_box.h"
#include "ui/form_layout.h"

namespace fillmap {

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setupUi(this);
  apply_form_layout(this);
  setFixedSize(size());
  // Closing the main window ends the program, even while this box is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  connect_handler(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::OKButtonClick() { setVisible(false); }

}  // namespace fillmap
