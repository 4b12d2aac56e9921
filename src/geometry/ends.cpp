// Cylinders with dished ends: the shell plus what each end holds at its rim's fill fraction.

#include "geometry/geometry.h"
#include "platform/extended.h"

namespace fillmap {

namespace {

// The volume of one full end divided by d^3.
constexpr extended shallow_end_factor = 0.0809L;               // torispherical, R = d, r = 0.06 R
constexpr extended deep_end_factor = 0.13089969389957471827L;  // ellipsoidal, pi/24
constexpr extended hemispherical_end_factor = 0.26179938779914943653L;  // pi/12

// Every end shape fills like a sphere filled to the fraction e of its diameter: 3e^2 - 2e^3.
float end_volume(extended factor, float e) {
  clamp_unit(e);
  const extended full = static_cast<extended>(cube(tank_state.diameter)) * factor;
  return round_to_float(full * (3.0L * square(e) - 2.0L * cube(e)));
}

using EndVolume = float (*)(float);

void ends_level(EndVolume end, float p) {
  tank_state.level_height = cylinder_level_height(p);
  // The fill fractions of the rims at the low and the high end, from tan a itself (not from the
  // rounded ratio of the shell), so a horizontal tank has both ends at p.
  const extended tan_a = tan_x(tank_state.angle);
  const float d = tank_state.diameter;
  const float l = tank_state.length_cyl;
  float low = round_to_float(p + tan_a * (static_cast<extended>(p) / d * l));
  float high = round_to_float(p - tan_a * ((1.0L - p) / d * l));
  clamp_unit(low);
  clamp_unit(high);
  const float shell = shell_volume(p);
  tank_state.level_volume = round_to_float(static_cast<extended>(end(low)) + shell + end(high));
}

}  // namespace

float shallow_end_volume(float e) { return end_volume(shallow_end_factor, e); }
float deep_end_volume(float e) { return end_volume(deep_end_factor, e); }
float hemispherical_end_volume(float e) { return end_volume(hemispherical_end_factor, e); }

void shallow_ends_level(float p) { ends_level(shallow_end_volume, p); }
void deep_ends_level(float p) { ends_level(deep_end_volume, p); }
void hemispherical_ends_level(float p) { ends_level(hemispherical_end_volume, p); }

}  // namespace fillmap
