#include "report/print_report.h"

#include <QDateTime>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"

namespace fillmap {

namespace {

// 180/pi, the extended constant that turns the stored angle back into degrees.
constexpr extended degrees_per_radian = 57.29577951308232L;

QString fixed(extended value) { return QString::fromStdString(fixed_text(value)); }

}  // namespace

void report_captions(TCalibrationReport& report, const ReportWindowTexts& texts) {
  const TankState& tank = tank_state;
  const auto length = [&](const QString& label, float value) {
    return label + " - " + fixed(value) + ' ' + texts.size_unit;
  };
  const auto volume = [&](const char* name, extended value) {
    return name + fixed(value) + ' ' + texts.volume_unit;
  };
  report.QRLbTankShape.caption = texts.tank_shape + " tank";
  report.QRLbDiameter.caption = length(texts.diameter, tank.diameter);
  report.QRLbLenCylinder.caption = length(texts.length_cyl, tank.length_cyl);
  report.QRLbLenCone.caption = length(texts.length_con, tank.length_con);
  report.QRLbAngle.caption = texts.angle + " (x) - " +
                             fixed(static_cast<extended>(tank.angle) * degrees_per_radian) +
                             " degrees";
  report.QRLbMinSignal.caption = length(texts.min_signal, tank.min_signal);
  report.QRLbMaxSignal.caption = length(texts.max_signal, tank.max_signal);
  report.QRLbZero.caption = volume("ZERO - ", tank.zero_volume);
  // SPAN is not rounded to a float before its text, as on the output page.
  report.QRLbSpan.caption =
      volume("SPAN - ", static_cast<extended>(tank.max_volume) - tank.zero_volume);
  report.QRLbHeight.caption = "Height (" + texts.size_unit + ")";
  report.QRLbVolume.caption = "Volume (" + texts.volume_unit + ")";
}

void print_report(const std::function<bool()>& calculate, TCalibrationReport& report,
                  const ReportWindowTexts& texts, const std::function<void()>& open_preview) {
  if (!calculate()) return;
  report_captions(report, texts);
  open_preview();
}

bool write_report_files(const Report& report, const QString& pdf_path, const QString& png_path) {
  const QDateTime now = QDateTime::currentDateTime();
  return report.write_pdf(pdf_path, now) && report.page_image(100, now).save(png_path, "PNG");
}

}  // namespace fillmap
