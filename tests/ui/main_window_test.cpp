// The main window as the user meets it: the start state, the ways into the calculation, the
// error box and the standard exception box.

#include <QComboBox>
#include <QFrame>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "platform/exceptions.h"
#include "platform/qt/exception_box.h"
#include "window_fixture.h"

namespace fillmap::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using MainWindow = WindowTest;

TEST_F(MainWindow, StartsOnTheInitialPageWithTheReportTabHidden) {
  EXPECT_EQ(form.windowTitle(), "FILLMAP");
  EXPECT_EQ(pages()->size(), QSize(640, 423));
  EXPECT_EQ(page(), page("TabSheetStart"));
  QStringList shown;
  for (int tab = 0; tab < pages()->count(); ++tab)
    if (pages()->isTabVisible(tab)) shown << pages()->tabText(tab);
  EXPECT_EQ(shown, QStringList({"Initial Page", "Input Page", "Output Page", "Help Page"}));
}

TEST_F(MainWindow, StartsWithTheSphericalLayoutAndNoResults) {
  struct Row {
    const char* label;
    const char* field;
    const char* text;
    bool enabled;
  };
  const Row rows[] = {
      {"Lb_diameter", "Ed_diameter", "10", true},
      {"Lb_length_cyl", "Ed_length_cyl", "", false},
      {"Lb_length_con", "Ed_length_con", "", false},
      {"Lb_angle", "Ed_angle", "", false},
      {"Lb_angle1", "Ed_angle", "", false},
      {"Lb_min_signal", "Ed_min_signal", "min", true},
      {"Lb_max_signal", "Ed_max_signal", "max", true},
      {"Lb_points", "Ed_points", "15", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(field(row.field), row.text);
    EXPECT_EQ(find(row.field)->isEnabled(), row.enabled);
    EXPECT_EQ(find(row.label)->isEnabled(), row.enabled);
    EXPECT_EQ(find<QLabel>(row.label)->buddy(), find(row.field));
  }
  EXPECT_EQ(find<QComboBox>("SizeUnits")->currentText(), "meters");
  EXPECT_EQ(find<QComboBox>("VolumeUnits")->currentText(), "m3");
  EXPECT_FALSE(find<QComboBox>("SizeUnits")->isEditable());
  EXPECT_FALSE(find<QComboBox>("VolumeUnits")->isEditable());

  auto* pictures = find("PanelImages");
  EXPECT_TRUE(find("ImageSphTank")->isVisibleTo(pictures));
  EXPECT_FALSE(find("ImageConTank")->isVisibleTo(pictures));
  EXPECT_FALSE(find("ImageCylTank")->isVisibleTo(pictures));
  EXPECT_EQ(text("TextTankImage"), "Spherical tank");
  EXPECT_EQ(text("TextTankShape"), "Spherical tank");
  EXPECT_EQ(text("TextZero"), " Zero  = ?");
  EXPECT_EQ(text("TextSpan"), " Span = ?");
  EXPECT_EQ(grid()->rowCount(), 0);
  const char* titles[] = {"Point", "Input (norm)", "Output (norm)", "Height", "Volume"};
  for (int column = 0; column < 5; ++column) EXPECT_EQ(column_title(column), titles[column]);
}

// The report and the command-line tool name the shapes as the window's items do.
TEST_F(MainWindow, ShapeItemsAreTheShapeNamesInCodeOrder) {
  const QList<QAbstractButton*> items = find<QButtonGroup>("GroupTankShapeItems")->buttons();
  ASSERT_EQ(items.size(), tank_shape_count);
  for (int code = 0; code < tank_shape_count; ++code) {
    EXPECT_EQ(items[code]->text(), tank_shape_names[code]);
    EXPECT_EQ(find<QButtonGroup>("GroupTankShapeItems")->id(items[code]), code);
  }
}

TEST_F(MainWindow, CalculatesFromTheButtonAndFromTheUsersMoveToTheOutputPage) {
  struct Way {
    const char* name;
    std::function<void(MainWindow&)> act;
  };
  const Way ways[] = {
      {"Calculate button", [](MainWindow& t) { t.click("BtnCalculate"); }},
      {"click on the output tab", [](MainWindow& t) { t.click_tab("TabSheetOutput"); }},
      {"Ctrl+Tab in a field",
       [](MainWindow& t) {
         QTest::keyClick(t.find("Ed_diameter"), Qt::Key_Tab, Qt::ControlModifier);
       }},
      {"right arrow on the tabs",
       [](MainWindow& t) { QTest::keyClick(t.pages()->tabBar(), Qt::Key_Right); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    click_tab("TabSheetInput");
    choose("ShapeConical");  // a change of shape empties the results of the way before
    choose("ShapeSpherical");
    find<QComboBox>("VolumeUnits")->setCurrentText("liters");
    find("Ed_diameter")->setFocus();
    way.act(*this);
    EXPECT_EQ(page(), page("TabSheetOutput"));
    EXPECT_EQ(text("TextZero"), " Zero  = 0.000");
    EXPECT_EQ(text("TextSpan"), " Span = 523598.700");
    EXPECT_EQ(grid()->rowCount(), 17);
    EXPECT_EQ(column_title(3), "Height (meters)");
    EXPECT_EQ(column_title(4), "Volume (liters)");
    EXPECT_THAT(dialogs.log, IsEmpty());
  }
}

TEST_F(MainWindow, GridShowsTheTableUnderTheUnitsTitlesAndStaysReadOnly) {
  click_tab("TabSheetInput");
  find<QComboBox>("SizeUnits")->setCurrentText("feet");
  find<QComboBox>("VolumeUnits")->setCurrentText("US gal");
  click("BtnCalculate");
  ASSERT_EQ(grid()->rowCount(), 17);
  const char* titles[] = {"Point", "Input (norm)", "Output (norm)", "Height (feet)",
                          "Volume (US gal)"};
  const int widths[] = {35, 82, 82, 84, 84};
  auto* view = find<QTableView>("DBGrid1");
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(column_title(column), titles[column]);
    EXPECT_EQ(view->columnWidth(column), widths[column]) << column;
  }
  EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(view->focusPolicy(), Qt::NoFocus);
}

// Strips stay as wide as their container and a filling panel fills its page; placed controls
// keep their place.
TEST_F(MainWindow, StripsAndFillingPanelsFollowTheWindowsSize) {
  pages()->setCurrentWidget(page("TabSheetOutput"));
  QApplication::processEvents();
  form.resize(900, 600);
  QApplication::processEvents();
  auto* panel = find<QFrame>("PanelOutput");
  EXPECT_EQ(panel->geometry(), page("TabSheetOutput")->rect());
  const QRect inside = panel->contentsRect();
  EXPECT_EQ(find("TextTankShape")->geometry(),
            QRect(inside.left(), inside.top(), inside.width(), 23));
  EXPECT_EQ(find("TextFormula")->geometry(),
            QRect(inside.left(), inside.top() + 23, inside.width(), 20));
  EXPECT_EQ(find("DBGrid1")->geometry(), QRect(1, 44, 408, 350));
}

TEST_F(MainWindow, OtherPagesAndPageChangesByTheProgramCalculateNothing) {
  click_tab("TabSheetHelp");
  click_tab("TabSheetStart");
  pages()->setCurrentWidget(page("TabSheetOutput"));
  EXPECT_EQ(text("TextZero"), " Zero  = ?");
  EXPECT_EQ(grid()->rowCount(), 0);
}

TEST_F(MainWindow, KeyboardSkipsTheHiddenReportPage) {
  pages()->setCurrentWidget(page("TabSheetOutput"));
  QTest::keyClick(pages()->tabBar(), Qt::Key_Right);
  EXPECT_EQ(page(), page("TabSheetHelp"));
  pages()->setCurrentWidget(page("TabSheetOutput"));
  QTest::keyClick(pages(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(page(), page("TabSheetHelp"));
}

TEST_F(MainWindow, AFailingValueBeepsShowsItsBoxAndReturnsToItsField) {
  struct Case {
    const char* shape;
    const char* field;
    const char* text;
    const char* message;
    const char* focus;
  };
  const Case cases[] = {
      {"ShapeSpherical", "Ed_points", "26", "Invalid number of points !", "Ed_points"},
      {"ShapeSpherical", "Ed_diameter", "0", "Invalid diameter (d) !", "Ed_diameter"},
      {"ShapeConical", "Ed_length_cyl", "0", "Invalid length of cylinder (L) !", "Ed_length_cyl"},
      {"ShapeFlatEnds", "Ed_angle", "90", "Invalid angle of inclination (x) !", "Ed_angle"},
      {"ShapeConical", "Ed_length_con", "-1", "Invalid length of cone (L1) !", "Ed_length_con"},
      {"ShapeSpherical", "Ed_min_signal", "-0.5", "Invalid height (h1) !", "Ed_min_signal"},
      {"ShapeSpherical", "Ed_max_signal", "11", "Invalid height (h2) !", "Ed_max_signal"},
      {"ShapeSpherical", "Ed_max_signal", "0", "Height (h1) must be less than height (h2) !",
       "Ed_min_signal"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    click_tab("TabSheetInput");
    choose(c.shape);
    const char* valid[][2] = {{"Ed_points", "15"},     {"Ed_diameter", "10"},
                              {"Ed_length_cyl", "4"},  {"Ed_length_con", "1"},
                              {"Ed_angle", "0"},       {"Ed_min_signal", "min"},
                              {"Ed_max_signal", "max"}};
    for (const auto& [name, text] : valid) enter(name, text);
    enter(c.field, c.text);
    dialogs.log.clear();
    click("BtnCalculate");
    EXPECT_THAT(dialogs.log, ElementsAre("beep", std::string("box ") + c.message));
    EXPECT_EQ(page(), page("TabSheetInput"));
    EXPECT_EQ(form.focusWidget(), find(c.focus));
  }
}

// The calculation switches to the output page and back itself; that must not run it again.
TEST_F(MainWindow, AFailingValueMetOnTheOutputTabIsReportedOnce) {
  enter("Ed_diameter", "-1");
  click_tab("TabSheetOutput");
  EXPECT_THAT(dialogs.log, ElementsAre("beep", "box Invalid diameter (d) !"));
  EXPECT_EQ(page(), page("TabSheetInput"));
}

TEST_F(MainWindow, ATextThatIsNoNumberReachesTheStandardExceptionBox) {
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"Ed_points", "", "exception '' is not a valid integer value."},
      {"Ed_diameter", "abc", "exception 'abc' is not a valid floating point value."},
      {"Ed_diameter", "1e39", "exception Floating point overflow."},
      {"Ed_min_signal", "Min", "exception 'Min' is not a valid floating point value."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    enter(c.field, c.text);
    dialogs.log.clear();
    click_tab("TabSheetOutput");
    EXPECT_THAT(dialogs.log, ElementsAre(c.message));
    EXPECT_EQ(page(), page("TabSheetInput"));
    EXPECT_EQ(form.focusWidget(), find(c.field));
    enter("Ed_points", "15");
    enter("Ed_diameter", "10");
    enter("Ed_min_signal", "min");
  }
}

TEST(ExceptionBoxText, AddsAFullStopOnlyWhereTheMessageLacksOne) {
  EXPECT_EQ(exception_box_text(EDatabaseError("No Records")), "No Records.");
  EXPECT_EQ(exception_box_text(EDatabaseError("Bookmark not found.")), "Bookmark not found.");
}

// The real boxes, closed by a timer as soon as they are shown: modal, the error icon, the title,
// the text and one "OK" button.
TEST_F(MainWindow, RealBoxesShowTitleIconTextAndOneOkButton) {
  struct Case {
    const char* diameter;
    QString title;
    const char* message;
  };
  const Case cases[] = {
      {"0", "Error", "Invalid diameter (d) !"},
      {"abc", QApplication::applicationDisplayName(), "'abc' is not a valid floating point value."},
  };
  set_dialogs(nullptr);
  click_tab("TabSheetInput");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    enter("Ed_diameter", c.diameter);
    QString title, message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      closer.stop();
      title = box->windowTitle();
      message = box->text();
      icon = box->icon();
      modal = box->isModal();
      for (QAbstractButton* button : box->buttons()) buttons << button->text();
      box->button(QMessageBox::Ok)->click();
    });
    closer.start(10);
    click("BtnCalculate");
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(modal);
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(page(), page("TabSheetInput"));
    EXPECT_EQ(form.focusWidget(), find("Ed_diameter"));
  }
}

TEST_F(MainWindow, ExitClosesTheWindowWithoutAQuestion) {
  click_menu("Exit1");
  EXPECT_FALSE(form.isVisible());
  EXPECT_THAT(dialogs.log, IsEmpty());
}

TEST_F(MainWindow, AltXEndsTheProgramFromTheKeyboard) {
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace fillmap::testing
