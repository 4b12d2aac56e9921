#pragma once
// What the calculation needs of the window it runs in. The main window implements it with its
// widgets, fillmap-table over its options, and the tests with a recorder, so that all three run
// the same calculation.

#include <string>

namespace fillmap {

// The parameter fields of the input page, in the order the calculation reads them.
enum class ParameterField {
  points,
  diameter,
  length_cyl,
  angle,
  length_con,
  min_signal,
  max_signal
};

enum class Page { input, output };

class CalculationView {
 public:
  virtual ~CalculationView() = default;

  virtual std::string field_text(ParameterField field) = 0;
  // The selected position and item text of the size and volume unit lists.
  virtual int size_unit_index() = 0;
  virtual std::string size_unit_text() = 0;
  virtual int volume_unit_index() = 0;
  virtual std::string volume_unit_text() = 0;

  // Makes a page the active one without raising the page-change event.
  virtual void set_active_page(Page page) = 0;
  virtual void focus_field(ParameterField field) = 0;
  virtual void beep() = 0;
  // The modal error box: title "Error", the error icon, the message and one "OK" button.
  virtual void show_error(const std::string& message) = 0;

  virtual void set_zero_caption(const std::string& caption) = 0;
  virtual void set_span_caption(const std::string& caption) = 0;
  // The title of the grid column at `position` (0 is the first column).
  virtual void set_column_title(int position, const std::string& title) = 0;
};

}  // namespace fillmap
