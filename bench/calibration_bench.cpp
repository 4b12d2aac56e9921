// The table of 25 points for each shape, and the fixed text every number of it goes through.

#include <benchmark/benchmark.h>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/conversions.h"
#include "recording_view.h"
#include "store/my_dataset.h"

namespace {

using namespace fillmap;

void BM_generate_table_25_points(benchmark::State& state) {
  tank_state = TankState{};
  tank_state.tank_shape = static_cast<std::uint8_t>(state.range(0));
  tank_state.diameter = 2;
  if (tank_state.tank_shape != 0) tank_state.length_cyl = 10;
  if (tank_state.tank_shape == 1) tank_state.length_con = 1;
  if (tank_state.tank_shape >= 2) tank_state.angle = 0.5235988f;
  const float max_height = tank_state.tank_shape == 0   ? 2.0f
                           : tank_state.tank_shape == 1 ? 11.0f
                                                        : 6.732051f;
  tank_state.min_signal = 0;
  tank_state.max_signal = max_height;
  testing::RecordingView view;
  TMyDataSet table;
  for (auto _ : state) {
    generate_table(view, table, max_height, 25);
    view.log.clear();
  }
  state.SetItemsProcessed(state.iterations() * 27);
}
BENCHMARK(BM_generate_table_25_points)->ArgName("shape")->DenseRange(0, 5);

void BM_FloatToStrF_fixed(benchmark::State& state) {
  extended value = 523.5987755982988L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(FloatToStrF(value, 7, 3));
  }
}
BENCHMARK(BM_FloatToStrF_fixed);

}  // namespace
