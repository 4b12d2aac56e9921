#include "ui/page_control.h"

#include <QTabBar>
#include <utility>

namespace fillmap {

template <typename Deliver>
void PageControl::as_user(Deliver deliver) {
  user_input_ = true;
  deliver();
  user_input_ = false;
}

// The tabs themselves: a click, a key or the wheel on them is the user's.
class PageControl::TabBar final : public QTabBar {
 public:
  explicit TabBar(PageControl& pages) : QTabBar(&pages), pages_(pages) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pages_.as_user([&] { QTabBar::mousePressEvent(event); });
  }
  void keyPressEvent(QKeyEvent* event) override {
    pages_.as_user([&] { QTabBar::keyPressEvent(event); });
  }
  void wheelEvent(QWheelEvent* event) override {
    pages_.as_user([&] { QTabBar::wheelEvent(event); });
  }

 private:
  PageControl& pages_;
};

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new TabBar(*this));
  // The flag is taken at the first change, so that pages the handler switches to are not the
  // user's.
  connect(this, &QTabWidget::currentChanged, this, [this](int index) {
    if (std::exchange(user_input_, false)) emit userChangedPage(index);
  });
}

// Ctrl+Tab and Ctrl+PgUp/PgDn, wherever the focus is on the page.
void PageControl::keyPressEvent(QKeyEvent* event) {
  as_user([&] { QTabWidget::keyPressEvent(event); });
}

}  // namespace fillmap
