// The table stage: captions, rows and column titles, byte for byte.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/conversions.h"
#include "platform/exceptions.h"
#include "recording_view.h"
#include "store/my_dataset.h"

namespace fillmap {
namespace {

using testing::RecordingView;
using enum ParameterField;
using Row = std::array<std::string, 5>;

std::vector<Row> rows_of(TDataSet& table) {
  std::vector<Row> rows;
  for (table.First(); !table.Eof(); table.Next()) {
    Row row;
    const char* names[] = {"Point", "Input", "Output", "Height", "Volume"};
    for (int i = 0; i < 5; ++i) row[i] = table.FieldByName(names[i]).AsString();
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> column(const std::vector<Row>& rows, int field) {
  std::vector<std::string> texts;
  for (const auto& row : rows) texts.push_back(row[field]);
  return texts;
}

std::string right(const std::string& text) { return std::string(11 - text.size(), ' ') + text; }

class GenerateTable : public ::testing::Test {
 protected:
  void SetUp() override { tank_state = TankState{}; }
  void TearDown() override {
    tank_state = TankState{};
    format_settings().decimal_separator = '.';
  }
  std::vector<Row> run() {
    view.log.clear();
    EXPECT_TRUE(calculate(view, table));
    return rows_of(table);
  }

  RecordingView view;
  TMyDataSet table;
};

TEST_F(GenerateTable, StartValuesGiveTheSphereTableByteForByte) {
  const char* expected[17][5] = {
      {"", "0.000", "0.000", "0.000", "0.000"},     {"1", "0.063", "0.011", "0.625", "5.880"},
      {"2", "0.125", "0.043", "1.250", "22.498"},   {"3", "0.188", "0.092", "1.875", "48.320"},
      {"4", "0.250", "0.156", "2.500", "81.812"},   {"5", "0.313", "0.232", "3.125", "121.440"},
      {"6", "0.375", "0.316", "3.750", "165.670"},  {"7", "0.438", "0.407", "4.375", "212.968"},
      {"8", "0.500", "0.500", "5.000", "261.799"},  {"9", "0.563", "0.593", "5.625", "310.631"},
      {"10", "0.625", "0.684", "6.250", "357.929"}, {"11", "0.688", "0.768", "6.875", "402.159"},
      {"12", "0.750", "0.844", "7.500", "441.786"}, {"13", "0.813", "0.908", "8.125", "475.278"},
      {"14", "0.875", "0.957", "8.750", "501.100"}, {"15", "0.938", "0.989", "9.375", "517.719"},
      {"", "1.000", "1.000", "10.000", "523.599"},
  };
  const auto rows = run();
  ASSERT_EQ(rows.size(), 17u);
  for (int r = 0; r < 17; ++r)
    for (int f = 0; f < 5; ++f) EXPECT_EQ(rows[r][f], right(expected[r][f])) << r << " " << f;
  const std::vector<std::string> log = {"page output", "zero  Zero  = 0.000",
                                        "span  Span = 523.599", "title 3 Height (meters)",
                                        "title 4 Volume (m3)"};
  EXPECT_EQ(view.log, log);
  // The store stays open on its last row.
  EXPECT_TRUE(table.Active());
}

TEST_F(GenerateTable, InputsRunInEqualStepsForEveryPointCount) {
  struct Case {
    const char* points;
    std::vector<std::string> first_inputs;
    std::size_t rows;
  };
  const Case cases[] = {
      {"1", {"0.000", "0.500", "1.000"}, 3},
      {"2", {"0.000", "0.333", "0.667", "1.000"}, 4},
      {"25", {"0.000", "0.038", "0.077", "0.115"}, 27},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    view.texts[points] = c.points;
    const auto rows = run();
    ASSERT_EQ(rows.size(), c.rows);
    for (std::size_t i = 0; i < c.first_inputs.size(); ++i)
      EXPECT_EQ(rows[i][1], right(c.first_inputs[i]));
    EXPECT_EQ(rows.back()[1], right("1.000"));
    EXPECT_EQ(rows.back()[2], right("1.000"));
    EXPECT_EQ(rows.front()[0], std::string(11, ' '));
    EXPECT_EQ(rows.back()[0], std::string(11, ' '));
    for (std::size_t i = 1; i + 1 < rows.size(); ++i)
      EXPECT_EQ(rows[i][0], right(std::to_string(i)));
  }
}

TEST_F(GenerateTable, LargeVolumesTakeTheGeneralForm) {
  view.texts[diameter] = "30";
  view.volume_index = 1;
  view.volume_text = "liters";
  const auto rows = run();
  EXPECT_EQ(view.log[2], "span  Span = 1.413717E7");
  EXPECT_EQ(rows.back()[4], right("1.413717E7"));
  EXPECT_EQ(view.log[4], "title 4 Volume (liters)");
}

TEST_F(GenerateTable, UnitsConvertWithTheirFloatFactors) {
  run();
  const long double full = tank_state.max_volume;  // the full sphere of d = 10, in m3
  // Each factor is r(r(s^3) / v) of the 32-bit table entries: 0.001 is not exact as a float,
  // so a cubic metre holds 999.99994 liters.
  const long double foot = 0.3048f;
  const float cubic_foot = static_cast<float>(foot * 0.3048f * 0.3048f);
  struct Case {
    int size, volume;
    const char *size_text, *volume_text;
    float factor;
  };
  const Case cases[] = {
      {0, 1, "meters", "liters", 999.99994f},
      {1, 2, "feet", "US gal",
       static_cast<float>(cubic_foot / static_cast<long double>(0.0037854109f))},
      {0, 3, "meters", "ft3", static_cast<float>(1 / static_cast<long double>(0.02831685f))},
  };
  EXPECT_EQ(static_cast<float>(1 / static_cast<long double>(0.001f)), 999.99994f);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.volume_text);
    view.size_index = c.size;
    view.size_text = c.size_text;
    view.volume_index = c.volume;
    view.volume_text = c.volume_text;
    run();
    EXPECT_EQ(view.log[3], std::string("title 3 Height (") + c.size_text + ")");
    EXPECT_EQ(view.log[4], std::string("title 4 Volume (") + c.volume_text + ")");
    // The geometry works in cubic size units: d = 10 feet holds 523.5988 cubic feet.
    EXPECT_EQ(tank_state.max_volume, static_cast<float>(full * c.factor));
  }
}

TEST_F(GenerateTable, RefillWithFewerRowsLeavesNoOldRow) {
  view.texts[points] = "25";
  run();
  view.texts[points] = "3";
  const auto rows = run();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(column(rows, 1),
            (std::vector<std::string>{right("0.000"), right("0.250"), right("0.500"),
                                      right("0.750"), right("1.000")}));
  // A second identical run gives the same texts.
  EXPECT_EQ(run(), rows);
}

TEST_F(GenerateTable, CommaSeparatorIsUsedForEveryNumber) {
  format_settings().decimal_separator = ',';
  const auto rows = run();
  EXPECT_EQ(view.log[2], "span  Span = 523,599");
  EXPECT_EQ(rows[1][1], right("0,063"));
}

TEST_F(GenerateTable, EqualVolumesFaultAtTheFirstRowAndKeepWhatWasDone) {
  run();
  // A sphere so small that its volumes round to 0 divides 0 by 0 in the first row's Output.
  view.texts[diameter] = "1e-20";
  view.log.clear();
  EXPECT_THROW(calculate(view, table), EInvalidOp);
  const std::vector<std::string> expected = {"page output", "zero  Zero  = 0.000",
                                             "span  Span = 0.000"};
  EXPECT_EQ(view.log, expected);  // no column titles, the output page stays
  EXPECT_FALSE(table.Active());   // emptied and closed
}

}  // namespace
}  // namespace fillmap
