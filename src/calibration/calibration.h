#pragma once
// The calculation: from the texts of the input page to ZERO, SPAN and the N + 2 rows of the
// linearisation table in the record store.

#include <string>

#include "calibration/view.h"
#include "platform/extended.h"

namespace fillmap {

class TDataSet;

// Texts the window and the report share with the calculation.
inline constexpr const char* zero_prefix = " Zero  = ";
inline constexpr const char* span_prefix = " Span = ";
inline constexpr const char* unknown_zero_caption = " Zero  = ?";
inline constexpr const char* unknown_span_caption = " Span = ?";
inline constexpr int max_points = 25;

// Reads and checks the parameters in their fixed order, works out the maximum height H and runs
// generate_table. Returns true when every value passed and the table was made. A value that
// fails its check beeps, shows its message, returns to the input page and focuses the field; a
// text that is no number returns to the input page, focuses the field and lets the conversion
// error leave unchanged. Floating-point faults of the table leave as EMathError.
bool calculate(CalculationView& view, TDataSet& table);

// Computes ZERO and SPAN, writes their captions, refills `table` with N + 2 rows and titles the
// grid's Height and Volume columns. Expects `tank_state` filled and checked by calculate.
void generate_table(CalculationView& view, TDataSet& table, float max_height, int point_count);

// The fixed text of every number FILLMAP shows: seven significant digits, three decimals.
std::string fixed_text(extended value);

}  // namespace fillmap
