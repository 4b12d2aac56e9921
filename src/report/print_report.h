#pragma once
// What "&Report" does: the calculation runs again and, when it passed, the report's captions are
// filled from the tank state and the window's texts and the report is previewed.

#include <QString>
#include <functional>

#include "report/calibration_report.h"

namespace fillmap {

// The window's texts that the report's captions repeat.
struct ReportWindowTexts {
  QString tank_shape;  // the selected item of GroupTankShape
  // The captions of the parameter labels Lb_diameter, Lb_length_cyl, Lb_length_con, Lb_angle,
  // Lb_min_signal and Lb_max_signal.
  QString diameter;
  QString length_cyl;
  QString length_con;
  QString angle;
  QString min_signal;
  QString max_signal;
  // The selected items of SizeUnits and VolumeUnits.
  QString size_unit;
  QString volume_unit;
};

// Writes every run-time caption of the report from `tank_state`, whatever the shape: the
// dimensions a shape does not use read "0.000".
void report_captions(TCalibrationReport& report, const ReportWindowTexts& texts);

// Runs `calculate`; only when it passed are the captions written and `open_preview` run. A
// calculation that failed a check has shown its message and opens nothing; an error of the
// calculation leaves at once and changes no caption.
void print_report(const std::function<bool()>& calculate, TCalibrationReport& report,
                  const ReportWindowTexts& texts, const std::function<void()>& open_preview);

// Writes the report as it stands, printed now, to a PDF file and to a PNG picture of its page at
// 100 dots per inch. False when either file cannot be written.
bool write_report_files(const Report& report, const QString& pdf_path, const QString& png_path);

}  // namespace fillmap
