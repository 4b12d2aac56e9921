// The cylindrical part of a horizontal or inclined tank, and the tank with flat ends.

#include "geometry/geometry.h"
#include "platform/extended.h"

namespace fillmap {

namespace {

constexpr extended one_third = 0.33333333333333333334L;
constexpr extended one_over_two_pi = 0.15915494309189533577L;

}  // namespace

float segment_volume(float q) {
  clamp_unit(q);
  // The central angle of the wetted segment, 0 to 2 pi.
  const float theta = round_to_float(2.0L * arccos_x(1.0L - 2.0L * q));
  const extended d2_l = static_cast<extended>(square(tank_state.diameter)) * tank_state.length_cyl;
  return round_to_float(d2_l * (theta - sin_x(theta)) * 0.125L);
}

float segment_integral(float y) {
  clamp_unit(y);
  const float t = round_to_float(arccos_x(1.0L - 2.0L * y));  // half the central angle
  const extended s = sin_x(t);
  const float c = cube(round_to_float(s));
  return round_to_float(((s - t * cos_x(t)) - c * one_third) * one_over_two_pi);
}

float shell_volume(float p) {
  const float a = tank_state.angle;
  // Only an angle of exactly 0 is horizontal; every positive angle takes the inclined formula.
  if (a == 0.0f) return segment_volume(p);
  const float d = tank_state.diameter;
  const float l = tank_state.length_cyl;
  // b: the vertical extent of a rim over the rise of the axis along its length.
  const float b = round_to_float(static_cast<extended>(d) / l / tan_x(a));
  const extended rest = 1.0L - p;
  const float y0 = round_to_float(p + p / static_cast<extended>(b));  // fill at the low end
  const float y_l = round_to_float(p - rest / b);                     // fill at the high end
  float z = round_to_float(p - rest * b);  // the share of the length that is completely full
  clamp_unit(z);
  const float f0 = segment_integral(y0);
  const float f_l = segment_integral(y_l);
  const float full = segment_volume(1.0f);
  return round_to_float(((static_cast<extended>(f0) - f_l) * b + z) * full);
}

float cylinder_level_height(float p) {
  const extended a = tank_state.angle;
  // H = d cos a + L sin a, carried unrounded into the product.
  const extended height = cos_x(a) * tank_state.diameter + sin_x(a) * tank_state.length_cyl;
  return round_to_float(height * p);
}

void flat_cylinder_level(float p) {
  tank_state.level_height = cylinder_level_height(p);
  tank_state.level_volume = shell_volume(p);
}

}  // namespace fillmap
