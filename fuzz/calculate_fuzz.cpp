// The whole calculation driven by arbitrary field texts, shape and units: it must end in a
// table, a validation message or one of the program's own errors.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/exceptions.h"
#include "store/my_dataset.h"

namespace {

using namespace fillmap;

class FuzzView : public CalculationView {
 public:
  std::vector<std::string> texts;
  int size = 0, volume = 0;

  std::string field_text(ParameterField field) override {
    return texts.at(static_cast<std::size_t>(field));
  }
  int size_unit_index() override { return size; }
  std::string size_unit_text() override { return "meters"; }
  int volume_unit_index() override { return volume; }
  std::string volume_unit_text() override { return "m3"; }
  void set_active_page(Page) override {}
  void focus_field(ParameterField) override {}
  void beep() override {}
  void show_error(const std::string&) override {}
  void set_zero_caption(const std::string&) override {}
  void set_span_caption(const std::string&) override {}
  void set_column_title(int, const std::string&) override {}
};

}  // namespace

// Input: one byte of shape and units, then seven texts separated by newlines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  tank_state = TankState{};
  tank_state.tank_shape = data[0] % 6;
  FuzzView view;
  view.size = (data[0] / 6) % 2;
  view.volume = (data[0] / 12) % 4;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  for (int i = 0; i < 7; ++i) {
    const auto end = rest.find('\n');
    view.texts.push_back(rest.substr(0, end));
    rest = end == std::string::npos ? "" : rest.substr(end + 1);
  }
  static TMyDataSet table;
  try {
    calculate(view, table);
  } catch (const Exception&) {
  }
  return 0;
}
