#pragma once
// The main window and the About box as the program creates them, shown offscreen, with a
// recorder in place of the modal boxes. Tests find the components by name and drive them with
// simulated clicks and keys, as a user would.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "geometry/tank_state.h"
#include "platform/qt/dialogs.h"
#include "ui/about.h"
#include "ui/fillmap0.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"

namespace fillmap::testing {

// Logs "beep", "box <text>" for the calculation's error box and "exception <text>" for the
// standard exception box, in order.
class RecordingDialogs final : public Dialogs {
 public:
  std::vector<std::string> log;

  void beep() override { log.push_back("beep"); }
  void error_box(QWidget*, const QString& message) override {
    log.push_back("box " + message.toStdString());
  }
  void exception_box(QWidget*, const QString& message) override {
    log.push_back("exception " + message.toStdString());
  }
};

class WindowTest : public ::testing::Test {
 public:
  WindowTest() {
    tank_state = TankState{};
    set_dialogs(&dialogs);
    Form1 = &form;
    AboutBox = &about_box;
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  ~WindowTest() override {
    set_dialogs(nullptr);
    Form1 = nullptr;
    AboutBox = nullptr;
    tank_state = TankState{};
  }

  template <typename Widget = QWidget>
  Widget* find(const char* name) {
    auto* found = form.findChild<Widget*>(QString::fromLatin1(name));
    if (!found) ADD_FAILURE() << "no component " << name;
    return found;
  }
  QString text(const char* name) { return find<QLabel>(name)->text(); }
  QString field(const char* name) { return find<QWidget>(name)->property("text").toString(); }
  // Replaces a field's text; the spin edit is typed into key by key, as its keys are filtered.
  void enter(const char* name, const QString& text) {
    if (auto* points = qobject_cast<SpinEdit*>(find(name))) {
      points->clear();
      QTest::keyClicks(points, text);
    } else {
      find<QLineEdit>(name)->setText(text);
    }
  }

  PageControl* pages() { return find<PageControl>("PageControl1"); }
  QWidget* page() { return pages()->currentWidget(); }
  QWidget* page(const char* name) { return find(name); }
  void click_tab(const char* name) {
    QTabBar* tabs = pages()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {},
                      tabs->tabRect(pages()->indexOf(page(name))).center());
  }
  void click(const char* button) {
    QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
  }
  // Clicks a shape item on its round button, as the item's text may be shorter than the item.
  void choose(const char* item) {
    auto* button = find<QAbstractButton>(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void click_menu(const char* action) {
    auto* menu = find<QMenuBar>("MainMenu1");
    auto* command = form.findChild<QAction*>(QString::fromLatin1(action));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
  }

  QAbstractItemModel* grid() { return find<QAbstractItemView>("DBGrid1")->model(); }
  QString column_title(int column) { return grid()->headerData(column, Qt::Horizontal).toString(); }

  RecordingDialogs dialogs;
  TForm1 form;
  TAboutBox about_box;
};

}  // namespace fillmap::testing
