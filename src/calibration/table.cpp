// ZERO, SPAN and the linearisation table, in the chosen units.

#include <array>
#include <string>

#include "calibration/calibration.h"
#include "geometry/geometry.h"
#include "platform/conversions.h"
#include "platform/dataset.h"
#include "platform/exceptions.h"

namespace fillmap {

namespace {

// Metres per size unit and cubic metres per volume unit, by the position in the unit lists. The
// US gallon and the cubic foot are these shortened decimals, as the instrument's tables use them.
constexpr std::array<float, 10> size_factors = {1.0f, 0.3048f, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr std::array<float, 10> volume_factors = {
    1.0f, 0.001f, 0.0037854109f, 0.02831685f, 1, 1, 1, 1, 1, 1};

constexpr int field_width = 11;

float unit_factor_of(int size_index, int volume_index) {
  if (size_index < 0 || size_index >= static_cast<int>(size_factors.size()) || volume_index < 0 ||
      volume_index >= static_cast<int>(volume_factors.size()))
    throw Exception("Range check error");
  const extended s = size_factors[size_index];
  const float cubic = round_to_float(s * s * s);
  return round_to_float(cubic / static_cast<extended>(volume_factors[volume_index]));
}

// A stored field: cut to 11 characters, then right-justified with leading spaces.
std::string stored_text(std::string text) {
  text.resize(std::min<std::size_t>(text.size(), field_width));
  return std::string(field_width - text.size(), ' ') + text;
}

std::string point_text(int row, int row_count) {
  if (row == 1 || row == row_count) return "";
  return FloatToStrF(row - 1, 2, 0);
}

void empty_store(TDataSet& table) {
  table.Open();
  for (int n = table.RecordCount(); n > 0; --n) table.Delete();
  table.Close();
}

}  // namespace

std::string fixed_text(extended value) { return FloatToStrF(value, 7, 3); }

void generate_table(CalculationView& view, TDataSet& table, float max_height, int point_count) {
  TankState& tank = tank_state;
  const float unit_factor = unit_factor_of(view.size_unit_index(), view.volume_unit_index());
  const float min_level = round_to_float(tank.min_signal / static_cast<extended>(max_height));
  const float max_level = round_to_float(tank.max_signal / static_cast<extended>(max_height));

  const auto volume_at = [&](float level) {
    return round_to_float(static_cast<extended>(level_to_volume(tank.tank_shape, level)) *
                          unit_factor);
  };
  tank.zero_volume = volume_at(min_level);
  tank.max_volume = volume_at(max_level);
  const extended span = static_cast<extended>(tank.max_volume) - tank.zero_volume;
  view.set_zero_caption(zero_prefix + fixed_text(tank.zero_volume));
  view.set_span_caption(span_prefix + fixed_text(span));

  empty_store(table);
  // Input runs as a sum of equal steps, never as k / (N + 1): every row carries the rounding of
  // the additions before it, and the last one may sit a few float steps off 1.
  const extended step = 1.0L / (point_count + 1);
  const int row_count = point_count + 2;
  float input = 0;
  for (int row = 1; row <= row_count; ++row) {
    const float level =
        round_to_float((static_cast<extended>(max_level) - min_level) * input + min_level);
    tank.level_volume = volume_at(level);
    // A span of 0 makes the first row 0/0: an invalid operation that ends the run here.
    const float output =
        round_to_float((static_cast<extended>(tank.level_volume) - tank.zero_volume) / span);
    table.Open();
    table.Append();
    table.FieldByName("Point").SetAsString(stored_text(point_text(row, row_count)));
    table.FieldByName("Input").SetAsString(stored_text(fixed_text(input)));
    table.FieldByName("Output").SetAsString(stored_text(fixed_text(output)));
    table.FieldByName("Height").SetAsString(stored_text(fixed_text(tank.level_height)));
    table.FieldByName("Volume").SetAsString(stored_text(fixed_text(tank.level_volume)));
    table.Post();
    input = round_to_float(input + step);
  }

  view.set_column_title(3, "Height (" + view.size_unit_text() + ")");
  view.set_column_title(4, "Volume (" + view.volume_unit_text() + ")");
}

}  // namespace fillmap
