// The calculation as the window runs it, through a view that records every call.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/exceptions.h"
#include "recording_view.h"
#include "store/my_dataset.h"

namespace fillmap {
namespace {

using testing::RecordingView;
using enum ParameterField;

class Calculate : public ::testing::Test {
 protected:
  void SetUp() override { tank_state = TankState{}; }
  void TearDown() override { tank_state = TankState{}; }

  // A cylinder with flat ends the user has typed in: d 2, L 10, angle 30.
  void choose_cylinder() {
    tank_state.tank_shape = 2;
    view.texts[diameter] = "2";
    view.texts[length_cyl] = "10";
    view.texts[angle] = "30";
  }
  void choose_cone() {
    tank_state.tank_shape = 1;
    view.texts[diameter] = "2";
    view.texts[length_cyl] = "3";
    view.texts[length_con] = "1";
  }

  RecordingView view;
  TMyDataSet table;
};

struct Rejection {
  const char* name;
  int shape;
  ParameterField field;
  const char* text;
  const char* message;
  const char* focus;
};

TEST_F(Calculate, RejectsTheFirstFailingValueWithBeepBoxPageAndFocus) {
  const Rejection cases[] = {
      {"26 points", 0, points, "26", "Invalid number of points !", "points"},
      {"0 points", 0, points, "0", "Invalid number of points !", "points"},
      {"zero diameter", 0, diameter, "0", "Invalid diameter (d) !", "diameter"},
      {"negative diameter", 0, diameter, "-1", "Invalid diameter (d) !", "diameter"},
      {"tiny diameter rounds to 0", 0, diameter, "1e-50", "Invalid diameter (d) !", "diameter"},
      {"zero length", 2, length_cyl, "0", "Invalid length of cylinder (L) !", "length_cyl"},
      {"right angle", 2, angle, "90", "Invalid angle of inclination (x) !", "angle"},
      {"negative angle", 5, angle, "-1", "Invalid angle of inclination (x) !", "angle"},
      {"negative cone", 1, length_con, "-0.1", "Invalid length of cone (L1) !", "length_con"},
      {"negative h1", 0, min_signal, "-0.5", "Invalid height (h1) !", "min_signal"},
      {"negative h2", 0, max_signal, "-2", "Invalid height (h2) !", "max_signal"},
      {"h2 above the top", 0, max_signal, "11", "Invalid height (h2) !", "max_signal"},
      {"h2 at the bottom", 0, max_signal, "0", "Height (h1) must be less than height (h2) !",
       "min_signal"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    view = RecordingView{};
    if (c.shape == 1) choose_cone();
    if (c.shape >= 2) choose_cylinder();
    tank_state.tank_shape = static_cast<std::uint8_t>(c.shape);
    view.texts[c.field] = c.text;
    EXPECT_FALSE(calculate(view, table));
    const std::vector<std::string> expected = {"page output", "beep",
                                               std::string("box ") + c.message, "page input",
                                               std::string("focus ") + c.focus};
    EXPECT_EQ(view.log, expected);
  }
}

TEST_F(Calculate, EqualHeightsAreRefusedAtTheMinimumField) {
  view.texts[min_signal] = "5";
  view.texts[max_signal] = "5";
  EXPECT_FALSE(calculate(view, table));
  EXPECT_EQ(view.log.at(2), "box Height (h1) must be less than height (h2) !");
  EXPECT_EQ(view.log.back(), "focus min_signal");
}

TEST_F(Calculate, OnlyTheFirstFailureIsReported) {
  view.texts[points] = "0";
  view.texts[diameter] = "0";
  EXPECT_FALSE(calculate(view, table));
  EXPECT_EQ(view.log.at(2), "box Invalid number of points !");
  EXPECT_EQ(view.reads, std::vector<std::string>{"points"});
}

struct ConversionFailure {
  const char* name;
  ParameterField field;
  const char* text;
  const char* error;
  const char* focus;
};

TEST_F(Calculate, TextsThatAreNoNumbersLeaveAsErrorsAfterPageAndFocus) {
  const ConversionFailure cases[] = {
      {"empty points", points, "", "'' is not a valid integer value", "points"},
      {"letters", diameter, "abc", "'abc' is not a valid floating point value", "diameter"},
      {"capital keyword", min_signal, "Min", "'Min' is not a valid floating point value",
       "min_signal"},
      {"keyword with a blank", min_signal, " min", "' min' is not a valid floating point value",
       "min_signal"},
      {"shouted keyword", max_signal, "MAX", "'MAX' is not a valid floating point value",
       "max_signal"},
      {"too large for a float", diameter, "1e39", "Floating point overflow", "diameter"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    view = RecordingView{};
    view.texts[c.field] = c.text;
    try {
      calculate(view, table);
      ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
    const std::vector<std::string> expected = {"page output", "page input",
                                               std::string("focus ") + c.focus};
    EXPECT_EQ(view.log, expected);
  }
}

TEST_F(Calculate, FailureKeepsThePartialValuesAndTheLastResults) {
  ASSERT_TRUE(calculate(view, table));
  const float zero = tank_state.zero_volume, max = tank_state.max_volume;
  choose_cylinder();
  view.texts[angle] = "abc";
  view.log.clear();
  EXPECT_THROW(calculate(view, table), EConvertError);
  EXPECT_EQ(tank_state.diameter, 2.0f);
  EXPECT_EQ(tank_state.length_cyl, 10.0f);
  EXPECT_EQ(tank_state.angle, 0.0f);  // nothing was stored by the failed unit
  EXPECT_EQ(tank_state.min_signal, 0.0f);
  EXPECT_EQ(tank_state.max_signal, 0.0f);
  EXPECT_EQ(tank_state.zero_volume, zero);
  EXPECT_EQ(tank_state.max_volume, max);
  EXPECT_EQ(table.RecordCount(), 17);  // the rows of the last good run stay

  view.texts[angle] = "30";
  view.texts[max_signal] = "7";
  view.log.clear();
  EXPECT_FALSE(calculate(view, table));
  EXPECT_EQ(tank_state.max_signal, 7.0f);  // the failing value is stored before its check
  EXPECT_EQ(tank_state.zero_volume, zero);
  for (const auto& entry : view.log) EXPECT_EQ(entry.find("title"), std::string::npos);
}

TEST_F(Calculate, ReadsOnlyTheFieldsOfTheShape) {
  view.texts[length_cyl] = "junk";
  view.texts[angle] = "junk";
  view.texts[length_con] = "junk";
  ASSERT_TRUE(calculate(view, table));
  EXPECT_EQ(view.reads,
            (std::vector<std::string>{"points", "diameter", "min_signal", "max_signal"}));
  EXPECT_EQ(tank_state.length_cyl, 0.0f);
  EXPECT_EQ(tank_state.angle, 0.0f);
  EXPECT_EQ(tank_state.length_con, 0.0f);
}

TEST_F(Calculate, MaximumHeightOfEachShapeBoundsH2) {
  choose_cylinder();
  ASSERT_TRUE(calculate(view, table));
  EXPECT_EQ(tank_state.max_signal, 6.732051f);
  EXPECT_EQ(tank_state.angle, static_cast<float>(30 * 0.017453292519943295L));

  for (const char* accepted : {"0", "89.999999"}) {
    view.texts[angle] = accepted;
    EXPECT_TRUE(calculate(view, table)) << accepted;
  }

  choose_cone();
  view.texts[length_con] = "0";
  ASSERT_TRUE(calculate(view, table));
  EXPECT_EQ(tank_state.max_signal, 3.0f);  // a flat-bottomed tank: H = L
}

TEST_F(Calculate, StartValuesMakeTheTableOnTheOutputPage) {
  ASSERT_TRUE(calculate(view, table));
  EXPECT_EQ(view.log.front(), "page output");
  EXPECT_EQ(tank_state.min_signal, 0.0f);
  EXPECT_EQ(tank_state.max_signal, 10.0f);
  EXPECT_EQ(view.log.back(), "title 4 Volume (m3)");
}

}  // namespace
}  // namespace fillmap
