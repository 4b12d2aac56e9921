// Any text through the number conversions: either a value or the documented error, never a
// crash; and every value read back prints without trouble.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/conversions.h"
#include "platform/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fillmap;
  const std::string text(reinterpret_cast<const char*>(data), size);
  format_settings().decimal_separator = size % 2 ? ',' : '.';
  try {
    (void)FloatToStrF(StrToInt(text), 2, 0);
  } catch (const EConvertError&) {
  }
  try {
    const extended value = StrToFloat(text);
    (void)FloatToStrF(value, 7, 3);
    (void)FloatToStrF(value, 18, 18);
  } catch (const EConvertError&) {
  } catch (const EOverflow&) {
  }
  return 0;
}
