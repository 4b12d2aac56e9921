#pragma once
// A calculation, its record store and the report over it, as the window holds them.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "pdf_text.h"
#include "recording_view.h"
#include "report/print_report.h"
#include "store/my_dataset.h"

namespace fillmap::testing {

class ReportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    tank_state = TankState{};
    ASSERT_TRUE(folder.isValid());
  }
  void TearDown() override { tank_state = TankState{}; }

  // The texts of the window's labels and lists, for the view's units and the current shape.
  ReportWindowTexts window_texts() const {
    return {tank_shape_names[tank_state.tank_shape],
            "Diameter (d)",
            "Length of cylinder (L)",
            "Length of cone (L1)",
            "Angle of inclination",
            "Height (h1)",
            "Height (h2)",
            QString::fromStdString(view.size_text),
            QString::fromStdString(view.volume_text)};
  }

  // What "&Report" does before its preview opens.
  void calculate_report() {
    ASSERT_TRUE(calculate(view, table));
    report_captions(report, window_texts());
  }

  PdfText print() {
    const QString path = folder.filePath("report.pdf");
    EXPECT_TRUE(report.write_pdf(path, printed_at));
    return read_pdf_text(path);
  }

  QTemporaryDir folder;
  // 10 o'clock reads alike on a 12-hour and a 24-hour clock.
  const QDateTime printed_at{QDate(2024, 3, 7), QTime(10, 5, 9)};
  RecordingView view;
  TMyDataSet table;
  TCalibrationReport report{table};
};

}  // namespace fillmap::testing
