#pragma once
// The arithmetic every number of FILLMAP goes through: formulas are carried in the 80-bit
// extended type and rounded into 32-bit floats only at the documented points. Division by zero,
// invalid operations and overflow are faults that end the running handler; underflow and inexact
// results pass silently.

#include <limits>

namespace fillmap {

using extended = long double;
static_assert(std::numeric_limits<extended>::digits == 64,
              "FILLMAP needs the 80-bit extended type (64-bit mantissa) for its digits");
static_assert(std::numeric_limits<float>::is_iec559);

// Raises the first floating-point fault that happened since the last check, and clears the
// record of faults. Division by zero comes before overflow, invalid operation before both.
void raise_pending_fault();

// Forgets faults left behind by code that does not check them (a library, the window system),
// so that a calculation only reports its own.
void clear_pending_faults();

// r(v): v rounded once to the nearest 32-bit float. Raises a pending fault of the formula first,
// then EOverflow when v lies beyond the largest float after rounding.
float round_to_float(extended v);

// Extended-precision maths. The inverse cosine is formed from the two-argument inverse tangent,
// so that it is exact at both ends: acos(1) == 0, acos(-1) == pi.
extended sin_x(extended v);
extended cos_x(extended v);
extended tan_x(extended v);
extended sqrt_x(extended v);
extended atan2_x(extended y, extended x);
extended arccos_x(extended v);

}  // namespace fillmap
