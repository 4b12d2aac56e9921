// The tank state, the shared arithmetic, the level dispatch, and the two shapes that need no
// cylinder shell: the sphere and the vertical cylinder standing on a cone.

#include "geometry/geometry.h"
#include "platform/extended.h"

namespace fillmap {

TankState tank_state;

namespace {

constexpr extended pi_over_12 = 0.26179938779914943653L;

using LevelFunction = void (*)(float);
constexpr LevelFunction level_functions[tank_shape_count] = {
    sphere_level,       cone_tank_level, flat_cylinder_level,
    shallow_ends_level, deep_ends_level, hemispherical_ends_level,
};

}  // namespace

void clamp_unit(float& v) {
  // Written as "not >= 0" so that a NaN fill fraction counts as empty.
  if (!(v >= 0.0f)) v = 0.0f;
  if (v > 1.0f) v = 1.0f;
}

float square(float v) { return round_to_float(static_cast<extended>(v) * v); }

float cube(float v) { return round_to_float(static_cast<extended>(v) * v * v); }

float level_to_volume(std::uint8_t code, float p) {
  if (code < tank_shape_count) level_functions[code](p);
  return tank_state.level_volume;
}

void sphere_level(float p) {
  const float d = tank_state.diameter;
  tank_state.level_height = round_to_float(static_cast<extended>(p) * d);
  // The height is not clamped; the volume is: a level a few steps above 1 stays full.
  float q = p;
  clamp_unit(q);
  // The two halves of a sphere filled to q hold twice what one hemispherical end at q holds.
  tank_state.level_volume = round_to_float(2.0L * hemispherical_end_volume(q));
}

void cone_tank_level(float p) {
  const float d = tank_state.diameter;
  const float cone = tank_state.length_con;
  const extended height = static_cast<extended>(tank_state.length_cyl) + cone;
  const float h = round_to_float(height * p);
  tank_state.level_height = h;
  const extended base = static_cast<extended>(square(d)) * pi_over_12;
  if (h > cone || cone == 0.0f) {
    // The full cone plus the cylinder up to h: (pi/12) d^2 L1 + (pi/4) d^2 (h - L1).
    tank_state.level_volume = round_to_float(base * (3.0L * h - 2.0L * cone));
  } else {
    // The liquid fills the cone from its apex; at exactly h == L1 both formulas agree.
    tank_state.level_volume = round_to_float(base / square(cone) * cube(h));
  }
}

}  // namespace fillmap
