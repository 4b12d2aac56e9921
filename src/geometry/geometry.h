#pragma once
// Level-to-volume geometry of the six tank shapes. Every routine works on the dimensions in
// `tank_state` (size units) and a normalized level p (0 at the tank's lowest point, 1 at its
// maximum height H). Intermediates are extended; results are rounded once to 32-bit floats at
// the points documented beside each routine, because the digits of the tables depend on them.
// The routines validate nothing: the calculation admits only d > 0, L > 0, L1 >= 0 and
// 0 <= angle < pi/2 before it asks for a volume.

#include <cstdint>

#include "geometry/tank_state.h"

namespace fillmap {

// Arithmetic shared by the geometry.
void clamp_unit(float& v);  // NaN and negatives become +0, then values above 1 become 1
float square(float v);      // r(v*v)
float cube(float v);        // r(v*v*v), rounded once

// Runs the level function of `code` at level p and returns the volume it stored in
// `tank_state.level_volume` (cubic size units). A code above 5 evaluates nothing and returns the
// volume of the previous evaluation.
float level_to_volume(std::uint8_t code, float p);

// Level functions: each writes `level_height` first, then `level_volume`.
void sphere_level(float p);              // code 0
void cone_tank_level(float p);           // code 1
void flat_cylinder_level(float p);       // code 2
void shallow_ends_level(float p);        // code 3
void deep_ends_level(float p);           // code 4
void hemispherical_ends_level(float p);  // code 5

// The cylindrical part of a tank of diameter d and length L inclined by the angle a.
float segment_volume(float q);         // horizontal cylinder filled to the fraction q of d
float segment_integral(float y);       // F(y): integral of the filled-area fraction from 0 to y
float shell_volume(float p);           // the cylindrical part at level p, at any angle
float cylinder_level_height(float p);  // p times H = d cos a + L sin a, the ends not included

// One dished end of diameter d filled to the fraction e of its rim.
float shallow_end_volume(float e);        // torispherical, crown radius d, knuckle 0.06 d
float deep_end_volume(float e);           // ellipsoidal, depth d/4
float hemispherical_end_volume(float e);  // half a sphere of diameter d

}  // namespace fillmap
