// Reading and checking the entered parameters, in the fixed order the user is told about them.

#include <string>

#include "calibration/calibration.h"
#include "geometry/geometry.h"
#include "platform/conversions.h"

namespace fillmap {

namespace {

constexpr extended pi_over_180 = 0.017453292519943295L;
constexpr extended pi_over_2 = 1.5707963267948966L;

// Reading a field's text, converting it and storing the result form one unit: when any of them
// fails, the user is taken to the field before the error goes on unchanged.
template <typename Unit>
void guarded(CalculationView& view, ParameterField field, Unit unit) {
  try {
    unit();
  } catch (...) {
    view.set_active_page(Page::input);
    view.focus_field(field);
    throw;
  }
}

void read_float(CalculationView& view, ParameterField field, float& place, extended scale = 1.0L) {
  guarded(view, field, [&] { place = round_to_float(StrToFloat(view.field_text(field)) * scale); });
}

// A signal height: its keyword, or a number.
void read_height(CalculationView& view, ParameterField field, const char* keyword,
                 float keyword_value, float& place) {
  if (view.field_text(field) == keyword)
    place = keyword_value;
  else
    read_float(view, field, place);
}

bool fail(CalculationView& view, ParameterField field, const char* message) {
  view.beep();
  view.show_error(message);
  view.set_active_page(Page::input);
  view.focus_field(field);
  return false;
}

}  // namespace

bool calculate(CalculationView& view, TDataSet& table) {
  using enum ParameterField;
  TankState& tank = tank_state;
  view.set_active_page(Page::output);
  tank.diameter = tank.length_cyl = tank.angle = tank.length_con = 0;
  tank.min_signal = tank.max_signal = 0;
  clear_pending_faults();

  int point_count = 0;
  guarded(view, points, [&] { point_count = StrToInt(view.field_text(points)); });
  if (point_count > max_points || point_count < 1)
    return fail(view, points, "Invalid number of points !");

  read_float(view, diameter, tank.diameter);
  if (!(tank.diameter > 0)) return fail(view, diameter, "Invalid diameter (d) !");
  float max_height = tank.diameter;

  if (tank.tank_shape != shape_spherical) {
    read_float(view, length_cyl, tank.length_cyl);
    if (!(tank.length_cyl > 0)) return fail(view, length_cyl, "Invalid length of cylinder (L) !");
  }
  if (tank.tank_shape >= shape_flat_ends && tank.tank_shape <= shape_hemispherical_ends) {
    // The angle is entered in degrees; 90 degrees rounds to a float above pi/2 and is refused.
    read_float(view, angle, tank.angle, pi_over_180);
    if (tank.angle < 0 || tank.angle > pi_over_2)
      return fail(view, angle, "Invalid angle of inclination (x) !");
    max_height = cylinder_level_height(1.0f);
  }
  if (tank.tank_shape == shape_conical) {
    read_float(view, length_con, tank.length_con);
    if (tank.length_con < 0) return fail(view, length_con, "Invalid length of cone (L1) !");
    max_height = round_to_float(static_cast<extended>(tank.length_cyl) + tank.length_con);
  }

  read_height(view, min_signal, "min", 0.0f, tank.min_signal);
  if (tank.min_signal < 0) return fail(view, min_signal, "Invalid height (h1) !");
  read_height(view, max_signal, "max", max_height, tank.max_signal);
  if (tank.max_signal < 0 || tank.max_signal > max_height)
    return fail(view, max_signal, "Invalid height (h2) !");
  if (tank.min_signal >= tank.max_signal)
    return fail(view, min_signal, "Height (h1) must be less than height (h2) !");

  generate_table(view, table, max_height, point_count);
  return true;
}

}  // namespace fillmap
