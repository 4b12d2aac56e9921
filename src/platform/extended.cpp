#include "platform/extended.h"

#include <cfenv>
#include <cmath>

#include "platform/exceptions.h"

namespace fillmap {

void raise_pending_fault() {
  const int faults = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (faults == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (faults & FE_INVALID) throw EInvalidOp();
  if (faults & FE_DIVBYZERO) throw EZeroDivide();
  throw EOverflow();
}

void clear_pending_faults() { std::feclearexcept(FE_ALL_EXCEPT); }

float round_to_float(extended v) {
  raise_pending_fault();
  // Halfway between the largest float and 2^128 rounds (to even) up to infinity.
  constexpr extended overflow_threshold = 0x1.ffffffp127L;
  if (std::isfinite(v) && std::fabs(v) >= overflow_threshold) throw EOverflow();
  // The volatile store keeps the conversion before any later fault check.
  volatile float rounded = static_cast<float>(v);
  return rounded;
}

extended sin_x(extended v) { return std::sin(v); }
extended cos_x(extended v) { return std::cos(v); }
extended tan_x(extended v) { return std::tan(v); }
extended sqrt_x(extended v) { return std::sqrt(v); }
extended atan2_x(extended y, extended x) { return std::atan2(y, x); }
extended arccos_x(extended v) { return atan2_x(sqrt_x(1.0L - v * v), v); }

}  // namespace fillmap
