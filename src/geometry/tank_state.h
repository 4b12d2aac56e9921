#pragma once
// The one record of tank parameters and results that the calculation, the geometry, the shape
// panel and the report share for the whole run.

#include <cstdint>

namespace fillmap {

struct TankState {
  float diameter = 0;           // d, of the sphere, the cylinder and the cone's base (size units)
  float angle = 0;              // a, inclination of a cylinder's axis from the horizontal (radians)
  float length_cyl = 0;         // L, length of the cylindrical part (size units)
  float length_con = 0;         // L1, height of the cone under the vertical cylinder (size units)
  float level_height = 0;       // height of the liquid at the last evaluated level (size units)
  float level_volume = 0;       // volume at the last evaluated level
  float min_signal = 0;         // h1, height of the minimum sensor signal (size units)
  float max_signal = 0;         // h2, height of the maximum sensor signal (size units)
  float zero_volume = 0;        // ZERO, volume at h1 (volume units)
  float max_volume = 0;         // volume at h2, ZERO + SPAN (volume units)
  std::uint8_t tank_shape = 0;  // shape code 0..5, the item index of the shape radio group
};

// The program's single tank state, all zero at start (shape 0, the sphere).
extern TankState tank_state;

// Shape codes: the item index of the shape radio group.
enum TankShape : std::uint8_t {
  shape_spherical = 0,
  shape_conical = 1,
  shape_flat_ends = 2,
  shape_shallow_ends = 3,
  shape_deep_ends = 4,
  shape_hemispherical_ends = 5,
};

// The item texts of the shapes, indexed by code.
inline constexpr const char* tank_shape_names[] = {
    "Spherical",
    "Conical",
    "Cylindrical (flat ends)",
    "Cylindrical (shallow ends)",
    "Cylindrical (deep ends)",
    "Cylindrical (hemispherical ends)",
};
inline constexpr int tank_shape_count = 6;

}  // namespace fillmap
