// The About box: shown modeless and on top by "&About", hidden again by "OK", Enter, its own
// close and every activation of the main window.

#include <QPushButton>
#include <functional>

#include "window_fixture.h"

namespace fillmap::testing {
namespace {

class AboutBoxTest : public WindowTest {
 protected:
  void show_about_box() {
    click_menu("About1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about_box));
  }
};

TEST_F(AboutBoxTest, AboutShowsTheBoxModelessAndOnTop) {
  show_about_box();
  EXPECT_TRUE(about_box.isVisible());
  EXPECT_FALSE(about_box.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(about_box.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(about_box.windowTitle(), "About FILLMAP");
  EXPECT_EQ(about_box.size(), QSize(298, 213));
  EXPECT_EQ(about_box.minimumSize(), about_box.maximumSize());
}

TEST_F(AboutBoxTest, ShowingTheShownBoxLeavesOneBox) {
  show_about_box();
  about_box.activateWindow();
  click_menu("About1");
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    shown += qobject_cast<TAboutBox*>(window) && window->isVisible();
  EXPECT_EQ(shown, 1);
}

TEST_F(AboutBoxTest, HiddenByOkEnterItsCloseAndTheMainWindowsActivation) {
  struct Way {
    const char* name;
    std::function<void(AboutBoxTest&)> act;
  };
  const Way ways[] = {
      {"OK",
       [](AboutBoxTest& t) {
         QTest::mouseClick(t.about_box.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
       }},
      {"Enter", [](AboutBoxTest& t) { QTest::keyClick(&t.about_box, Qt::Key_Return); }},
      {"its close", [](AboutBoxTest& t) { t.about_box.close(); }},
      {"activating the main window",
       [](AboutBoxTest& t) {
         t.form.activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&t.form));
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    show_about_box();
    about_box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about_box));
    way.act(*this);
    EXPECT_FALSE(about_box.isVisible());
  }
}

}  // namespace
}  // namespace fillmap::testing
