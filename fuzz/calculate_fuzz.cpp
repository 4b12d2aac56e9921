// The whole calculation driven by arbitrary field texts, shape and units: it must end in a
// table, a validation message or one of the program's own errors.

#include <cstddef>
#include <cstdint>
#include <string>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/exceptions.h"
#include "recording_view.h"
#include "store/my_dataset.h"

// Input: one byte of shape and units, then seven texts separated by newlines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  using namespace fillmap;
  tank_state = TankState{};
  tank_state.tank_shape = data[0] % 6;
  testing::RecordingView view;
  view.size_index = (data[0] / 6) % 2;
  view.volume_index = (data[0] / 12) % 4;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  for (auto& [field, text] : view.texts) {
    const auto end = rest.find('\n');
    text = rest.substr(0, end);
    rest = end == std::string::npos ? "" : rest.substr(end + 1);
  }
  static TMyDataSet table;
  try {
    calculate(view, table);
  } catch (const Exception&) {
  }
  return 0;
}
