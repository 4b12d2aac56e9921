// The shape panel of the input page: what a choice of shape enables, keeps, empties and shows.

#include <QComboBox>

#include "window_fixture.h"

namespace fillmap::testing {
namespace {

class ShapePanel : public WindowTest {
 protected:
  ShapePanel() { click_tab("TabSheetInput"); }

  // Enters valid values for every shape and calculates, so that there are results to discard.
  void calculate_with_typed_values() {
    enter("Ed_diameter", "4");
    enter("Ed_points", "9");
    enter("Ed_length_cyl", "7");
    if (find("Ed_length_con")->isEnabled()) enter("Ed_length_con", "3");
    if (find("Ed_angle")->isEnabled()) enter("Ed_angle", "12");
    enter("Ed_min_signal", "1");
    enter("Ed_max_signal", "2");
    click("BtnCalculate");
    ASSERT_EQ(grid()->rowCount(), 11);
    click_tab("TabSheetInput");
  }

  // The field's text and whether it and its labels are enabled.
  void expect_row(const char* field, std::initializer_list<const char*> labels, const char* text,
                  bool enabled) {
    SCOPED_TRACE(field);
    EXPECT_EQ(this->field(field), text);
    EXPECT_EQ(find(field)->isEnabled(), enabled);
    for (const char* label : labels) EXPECT_EQ(find(label)->isEnabled(), enabled) << label;
  }
};

TEST_F(ShapePanel, AChoiceSwitchesTheRowsAndPictureAndDiscardsTheResults) {
  struct Case {
    const char* name;
    const char* before;
    const char* after;
    std::uint8_t code;
    const char* length_cyl;  // nullptr: emptied and disabled
    const char* length_con;
    const char* angle;
    const char* picture;
    const char* caption;
  };
  const Case cases[] = {
      {"cylinder to conical", "ShapeFlatEnds", "ShapeConical", 1, "7", "", nullptr, "ImageConTank",
       "Conical tank"},
      {"conical to cylinder", "ShapeConical", "ShapeDeepEnds", 4, "7", nullptr, "0", "ImageCylTank",
       "Cylindrical (deep ends) tank"},
      {"between two cylinders", "ShapeFlatEnds", "ShapeHemisphericalEnds", 5, "7", nullptr, "0",
       "ImageCylTank", "Cylindrical (hemispherical ends) tank"},
      {"conical to spherical", "ShapeConical", "ShapeSpherical", 0, nullptr, nullptr, nullptr,
       "ImageSphTank", "Spherical tank"},
      {"cylinder to spherical", "ShapeShallowEnds", "ShapeSpherical", 0, nullptr, nullptr, nullptr,
       "ImageSphTank", "Spherical tank"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    choose(c.before);
    find<QComboBox>("SizeUnits")->setCurrentText("feet");
    calculate_with_typed_values();
    choose(c.after);

    EXPECT_EQ(tank_state.tank_shape, c.code);
    expect_row("Ed_diameter", {"Lb_diameter"}, "4", true);
    expect_row("Ed_length_cyl", {"Lb_length_cyl"}, c.length_cyl ? c.length_cyl : "",
               c.length_cyl != nullptr);
    expect_row("Ed_length_con", {"Lb_length_con"}, c.length_con ? c.length_con : "",
               c.length_con != nullptr);
    expect_row("Ed_angle", {"Lb_angle", "Lb_angle1"}, c.angle ? c.angle : "", c.angle != nullptr);
    expect_row("Ed_min_signal", {"Lb_min_signal"}, "min", true);
    expect_row("Ed_max_signal", {"Lb_max_signal"}, "max", true);
    expect_row("Ed_points", {"Lb_points"}, "9", true);

    auto* pictures = find("PanelImages");
    for (const char* picture : {"ImageSphTank", "ImageConTank", "ImageCylTank"})
      EXPECT_EQ(find(picture)->isVisibleTo(pictures), QLatin1String(picture) == c.picture)
          << picture;
    EXPECT_EQ(text("TextTankImage"), c.caption);
    EXPECT_EQ(text("TextTankShape"), c.caption);
    EXPECT_EQ(text("TextZero"), " Zero  = ?");
    EXPECT_EQ(text("TextSpan"), " Span = ?");
    EXPECT_EQ(grid()->rowCount(), 0);
    // The column titles keep the units of the last calculation.
    EXPECT_EQ(column_title(3), "Height (feet)");
    EXPECT_EQ(page(), page("TabSheetInput"));
    EXPECT_EQ(find<QComboBox>("SizeUnits")->currentText(), "feet");
  }
}

TEST_F(ShapePanel, ChoosingTheSelectedShapeAgainChangesNothing) {
  choose("ShapeConical");
  calculate_with_typed_values();
  const QString zero = text("TextZero");
  choose("ShapeConical");
  EXPECT_EQ(field("Ed_min_signal"), "1");
  EXPECT_EQ(field("Ed_max_signal"), "2");
  EXPECT_EQ(field("Ed_length_con"), "3");
  EXPECT_EQ(text("TextZero"), zero);
  EXPECT_EQ(grid()->rowCount(), 11);
}

TEST_F(ShapePanel, TheKeyboardChoosesAShapeToo) {
  find("ShapeSpherical")->setFocus();
  QTest::keyClick(find("ShapeSpherical"), Qt::Key_Down);
  EXPECT_EQ(tank_state.tank_shape, shape_conical);
  EXPECT_TRUE(find("Ed_length_con")->isEnabled());
  EXPECT_EQ(text("TextTankShape"), "Conical tank");
}

}  // namespace
}  // namespace fillmap::testing
