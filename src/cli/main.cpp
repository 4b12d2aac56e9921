// fillmap-table: the calibration table for scripts and spreadsheets. It takes the texts a user
// types into the window, runs the same calculation and prints the result.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <clocale>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/conversions.h"
#include "platform/exceptions.h"
#include "store/my_dataset.h"

namespace {

using namespace fillmap;

constexpr int exit_validation = 1;
constexpr int exit_error = 2;
constexpr int exit_usage = 64;

const std::vector<std::string> size_units = {"meters", "feet"};
const std::vector<std::string> volume_units = {"m3", "liters", "US gal", "ft3"};
const std::vector<std::string> field_names = {"Point", "Input", "Output", "Height", "Volume"};

struct Options {
  int shape = 0;
  std::map<ParameterField, std::string> fields = {
      {ParameterField::points, "15"},     {ParameterField::diameter, "10"},
      {ParameterField::length_cyl, ""},   {ParameterField::angle, "0"},
      {ParameterField::length_con, ""},   {ParameterField::min_signal, "min"},
      {ParameterField::max_signal, "max"}};
  std::string size = size_units[0];
  std::string volume = volume_units[0];
  std::string format = "text";
};

int position_of(const std::vector<std::string>& items, const std::string& item) {
  return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

// The window of the command line: the fields are the options, the captions and column titles
// are kept for printing, and a validation message is remembered instead of shown.
class OptionsView : public CalculationView {
 public:
  explicit OptionsView(const Options& options) : options_(options) {}

  std::string field_text(ParameterField field) override { return options_.fields.at(field); }
  int size_unit_index() override { return position_of(size_units, options_.size); }
  std::string size_unit_text() override { return options_.size; }
  int volume_unit_index() override { return position_of(volume_units, options_.volume); }
  std::string volume_unit_text() override { return options_.volume; }
  void set_active_page(Page) override {}
  void focus_field(ParameterField) override {}
  void beep() override {}
  void show_error(const std::string& message) override { error = message; }
  void set_zero_caption(const std::string& caption) override { zero = caption; }
  void set_span_caption(const std::string& caption) override { span = caption; }
  void set_column_title(int position, const std::string& title) override {
    columns.at(position) = title;
  }

  std::string error, zero, span;
  std::vector<std::string> columns = {"Point", "Input (norm)", "Output (norm)", "Height", "Volume"};

 private:
  const Options& options_;
};

std::vector<std::vector<std::string>> read_rows(TDataSet& table) {
  std::vector<std::vector<std::string>> rows;
  for (table.First(); !table.Eof(); table.Next()) {
    auto& row = rows.emplace_back();
    for (const auto& name : field_names) row.push_back(table.FieldByName(name).AsString());
  }
  return rows;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string without_prefix(const std::string& caption, const char* prefix) {
  return caption.substr(std::string(prefix).size());
}

void print_json(const OptionsView& view, const std::string& shape,
                const std::vector<std::vector<std::string>>& rows) {
  nlohmann::ordered_json out;
  out["shape"] = shape;
  out["zero"] = without_prefix(view.zero, zero_prefix);
  out["span"] = without_prefix(view.span, span_prefix);
  out["columns"] = view.columns;
  out["rows"] = rows;
  std::cout << out.dump() << '\n';
}

// A field that holds the delimiter or a quote is quoted, as spreadsheets expect.
std::string csv_cell(const std::string& text, char delimiter) {
  if (text.find_first_of(std::string{delimiter, '"'}) == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

void print_csv(const OptionsView& view, const std::vector<std::vector<std::string>>& rows) {
  const char delimiter = format_settings().decimal_separator == ',' ? ';' : ',';
  const auto print_line = [&](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
      std::cout << (i ? std::string(1, delimiter) : "") << csv_cell(trimmed(cells[i]), delimiter);
    std::cout << '\n';
  };
  print_line(view.columns);
  for (const auto& row : rows) print_line(row);
}

void print_text(const OptionsView& view, const std::string& shape,
                const std::vector<std::vector<std::string>>& rows) {
  std::cout << shape << " tank\n" << view.zero << '\n' << view.span << "\n\n";
  const std::size_t widths[] = {7, 14, 14, 17, 17};
  const auto print_line = [&](const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const std::string cell = trimmed(cells[i]);
      line += std::string(widths[i] > cell.size() ? widths[i] - cell.size() : 1, ' ') + cell;
    }
    std::cout << line << '\n';
  };
  print_line(view.columns);
  for (const auto& row : rows) print_line(row);
}

// Numbers are read and written with the decimal separator of LC_NUMERIC; everything else of
// the program stays in the C locale.
void take_decimal_separator_from_environment() {
  if (std::setlocale(LC_NUMERIC, "")) {
    const char* point = std::localeconv()->decimal_point;
    if (point && point[0] && !point[1]) format_settings().decimal_separator = point[0];
  }
  std::setlocale(LC_NUMERIC, "C");
}

int run(const Options& options) {
  tank_state.tank_shape = static_cast<std::uint8_t>(options.shape);
  OptionsView view(options);
  TMyDataSet table;
  try {
    if (!calculate(view, table)) {
      std::cerr << view.error << '\n';
      return exit_validation;
    }
  } catch (const Exception& error) {
    std::cerr << exception_box_message(error) << '\n';
    return exit_error;
  }
  const std::string shape = tank_shape_names[options.shape];
  const auto rows = read_rows(table);
  if (options.format == "json")
    print_json(view, shape, rows);
  else if (options.format == "csv")
    print_csv(view, rows);
  else
    print_text(view, shape, rows);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  take_decimal_separator_from_environment();
  Options options;
  CLI::App app{
      "Prints the calibration table of a tank: ZERO, SPAN and the normalized\n"
      "linearisation rows, from the same texts the FILLMAP window takes.",
      "fillmap-table"};
  app.set_version_flag("--version", std::string("fillmap-table ") + FILLMAP_VERSION);
  app.add_option("--shape", options.shape,
                 "0 Spherical, 1 Conical, 2 Cylindrical (flat ends), 3 shallow ends, 4 deep "
                 "ends, 5 hemispherical ends")
      ->check(CLI::Range(0, tank_shape_count - 1))
      ->capture_default_str();
  const std::pair<const char*, ParameterField> texts[] = {
      {"--diameter", ParameterField::diameter}, {"--length", ParameterField::length_cyl},
      {"--cone", ParameterField::length_con},   {"--angle", ParameterField::angle},
      {"--h1", ParameterField::min_signal},     {"--h2", ParameterField::max_signal},
      {"--points", ParameterField::points}};
  const char* descriptions[] = {"diameter d",
                                "length of cylinder L",
                                "length of cone L1",
                                "angle of inclination x in degrees",
                                "height h1 of the minimum signal, or min",
                                "height h2 of the maximum signal, or max",
                                "number of points N, 1 to 25"};
  for (std::size_t i = 0; i < std::size(texts); ++i)
    app.add_option(texts[i].first, options.fields[texts[i].second], descriptions[i])
        ->capture_default_str();
  app.add_option("--size", options.size, "size unit")
      ->check(CLI::IsMember(size_units))
      ->capture_default_str();
  app.add_option("--volume", options.volume, "volume unit")
      ->check(CLI::IsMember(volume_units))
      ->capture_default_str();
  app.add_option("--format", options.format, "output format")
      ->check(CLI::IsMember({"text", "csv", "json"}))
      ->capture_default_str();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : exit_usage;
  }
  return run(options);
}
