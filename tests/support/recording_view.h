#pragma once
// A view that logs every call of the calculation in order, as "beep", "box <text>",
// "page input", "focus diameter", "zero <caption>", "span <caption>", "title 3 <text>".

#include <map>
#include <string>
#include <vector>

#include "calibration/view.h"

namespace fillmap::testing {

inline std::string field_name(ParameterField field) {
  switch (field) {
    case ParameterField::points:
      return "points";
    case ParameterField::diameter:
      return "diameter";
    case ParameterField::length_cyl:
      return "length_cyl";
    case ParameterField::angle:
      return "angle";
    case ParameterField::length_con:
      return "length_con";
    case ParameterField::min_signal:
      return "min_signal";
    case ParameterField::max_signal:
      return "max_signal";
  }
  return "?";
}

class RecordingView : public CalculationView {
 public:
  // The window's start values.
  std::map<ParameterField, std::string> texts = {
      {ParameterField::points, "15"},     {ParameterField::diameter, "10"},
      {ParameterField::length_cyl, ""},   {ParameterField::angle, ""},
      {ParameterField::length_con, ""},   {ParameterField::min_signal, "min"},
      {ParameterField::max_signal, "max"}};
  int size_index = 0, volume_index = 0;
  std::string size_text = "meters", volume_text = "m3";
  std::vector<std::string> log;
  std::vector<std::string> reads;  // the fields read, in order

  std::string field_text(ParameterField field) override {
    reads.push_back(field_name(field));
    return texts.at(field);
  }
  int size_unit_index() override { return size_index; }
  std::string size_unit_text() override { return size_text; }
  int volume_unit_index() override { return volume_index; }
  std::string volume_unit_text() override { return volume_text; }
  void set_active_page(Page page) override {
    log.push_back(page == Page::input ? "page input" : "page output");
  }
  void focus_field(ParameterField field) override { log.push_back("focus " + field_name(field)); }
  void beep() override { log.push_back("beep"); }
  void show_error(const std::string& message) override { log.push_back("box " + message); }
  void set_zero_caption(const std::string& caption) override { log.push_back("zero " + caption); }
  void set_span_caption(const std::string& caption) override { log.push_back("span " + caption); }
  void set_column_title(int position, const std::string& title) override {
    log.push_back("title " + std::to_string(position) + " " + title);
  }
};

}  // namespace fillmap::testing
