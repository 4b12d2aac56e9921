// Drawing the calibration report of the window's start values (a sphere of 10 m, 17 rows), to
// an A4 picture of 150 dots per inch and to a PDF file. The goal is under 100 ms a drawing.

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "calibration/calibration.h"
#include "recording_view.h"
#include "report/print_report.h"
#include "store/my_dataset.h"

namespace {

using namespace fillmap;

// The report as "&Report" fills it for the start values.
struct StartReport {
  StartReport() {
    testing::RecordingView view;
    calculate(view, table);
    report_captions(report,
                    {"Spherical", "Diameter (d)", "Length of cylinder (L)", "Length of cone (L1)",
                     "Angle of inclination", "Height (h1)", "Height (h2)", "meters", "m3"});
  }

  TMyDataSet table;
  TCalibrationReport report{table};
  const QDateTime printed_at = QDateTime::currentDateTime();
};

void BM_report_to_image(benchmark::State& state) {
  const StartReport start;
  for (auto _ : state) benchmark::DoNotOptimize(start.report.page_image(150, start.printed_at));
}
BENCHMARK(BM_report_to_image)->Unit(benchmark::kMillisecond);

void BM_report_to_pdf(benchmark::State& state) {
  const StartReport start;
  const QTemporaryDir folder;
  const QString path = folder.filePath("report.pdf");
  for (auto _ : state)
    if (!start.report.write_pdf(path, start.printed_at)) state.SkipWithError("PDF not written");
}
BENCHMARK(BM_report_to_pdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
