// The cost of one level evaluation per shape, beside the bare extended-precision maths that the
// inclined cylinder with hemispherical ends cannot do without.

#include <benchmark/benchmark.h>

#include "geometry/geometry.h"
#include "platform/extended.h"

namespace {

using namespace fillmap;

void set_tank(std::uint8_t shape, float angle) {
  tank_state = TankState{};
  tank_state.tank_shape = shape;
  tank_state.diameter = 2;
  tank_state.length_cyl = shape == shape_spherical ? 0 : 10;
  tank_state.length_con = shape == shape_conical ? 1 : 0;
  tank_state.angle = angle;
}

void BM_level_to_volume(benchmark::State& state) {
  const auto shape = static_cast<std::uint8_t>(state.range(0));
  set_tank(shape, state.range(1) ? 0.5235988f : 0.0f);
  float p = 0.1f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(level_to_volume(shape, p));
  }
}
BENCHMARK(BM_level_to_volume)
    ->ArgNames({"shape", "inclined"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({5, 0})
    ->Args({5, 1});

// The calls one inclined evaluation with ends makes: the height (cos, sin), the rim fractions
// (tan), the shell's ratio b (tan), two segment integrals (arccos as sqrt and atan2, then sin
// and cos) and the full shell (arccos, sin).
void BM_math_calls_of_inclined_ends(benchmark::State& state) {
  extended a = 0.5235988L, u = 0.3L, v = 0.7L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(u);
    benchmark::DoNotOptimize(v);
    extended sum = cos_x(a) + sin_x(a) + tan_x(a) + tan_x(a);
    for (const extended x : {u, v}) {
      const extended t = atan2_x(sqrt_x(1 - x * x), x);
      sum += sin_x(t) + cos_x(t);
    }
    sum += sin_x(atan2_x(sqrt_x(1 - v * v), -v));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_math_calls_of_inclined_ends);

}  // namespace
