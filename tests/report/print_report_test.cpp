// "&Report": the captions it writes, when it opens the preview, and the preview itself.

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <map>
#include <string>

#include "platform/exceptions.h"
#include "platform/qt/report_preview.h"
#include "report_fixture.h"

namespace fillmap::testing {
namespace {

using PrintReportTest = ReportFixture;
using Caption = ReportLabel TCalibrationReport::*;

// The number at the end of an output-page caption such as " Span = 523.599".
QString caption_number(const std::vector<std::string>& log, const std::string& prefix) {
  for (const std::string& line : log)
    if (line.starts_with(prefix)) return QString::fromStdString(line).section(' ', -1);
  return {};
}

TEST_F(PrintReportTest, CaptionsRepeatTheTankStateInTheChosenUnits) {
  using enum ParameterField;
  const struct {
    const char* name;
    std::uint8_t shape;
    std::map<ParameterField, std::string> texts;
    int size_index;
    const char* size_unit;
    int volume_index;
    const char* volume_unit;
    std::vector<std::pair<Caption, QString>> captions;
  } cases[] = {
      {"start values",
       shape_spherical,
       {},
       0,
       "meters",
       0,
       "m3",
       {{&TCalibrationReport::QRLbTankShape, "Spherical tank"},
        {&TCalibrationReport::QRLbDiameter, "Diameter (d) - 10.000 meters"},
        {&TCalibrationReport::QRLbLenCylinder, "Length of cylinder (L) - 0.000 meters"},
        {&TCalibrationReport::QRLbLenCone, "Length of cone (L1) - 0.000 meters"},
        {&TCalibrationReport::QRLbAngle, "Angle of inclination (x) - 0.000 degrees"},
        {&TCalibrationReport::QRLbMinSignal, "Height (h1) - 0.000 meters"},
        {&TCalibrationReport::QRLbMaxSignal, "Height (h2) - 10.000 meters"},
        {&TCalibrationReport::QRLbZero, "ZERO - 0.000 m3"},
        {&TCalibrationReport::QRLbSpan, "SPAN - 523.599 m3"},
        {&TCalibrationReport::QRLbHeight, "Height (meters)"},
        {&TCalibrationReport::QRLbVolume, "Volume (m3)"}}},
      {"feet and US gallons",
       shape_spherical,
       {{min_signal, "2"}},
       1,
       "feet",
       2,
       "US gal",
       {{&TCalibrationReport::QRLbDiameter, "Diameter (d) - 10.000 feet"},
        {&TCalibrationReport::QRLbMinSignal, "Height (h1) - 2.000 feet"},
        {&TCalibrationReport::QRLbMaxSignal, "Height (h2) - 10.000 feet"},
        {&TCalibrationReport::QRLbHeight, "Height (feet)"},
        {&TCalibrationReport::QRLbVolume, "Volume (US gal)"}}},
      {"inclined cylinder, the angle back in degrees",
       shape_hemispherical_ends,
       {{diameter, "2"}, {length_cyl, "10"}, {angle, "30"}},
       0,
       "meters",
       1,
       "liters",
       {{&TCalibrationReport::QRLbTankShape, "Cylindrical (hemispherical ends) tank"},
        {&TCalibrationReport::QRLbLenCylinder, "Length of cylinder (L) - 10.000 meters"},
        {&TCalibrationReport::QRLbAngle, "Angle of inclination (x) - 30.000 degrees"},
        {&TCalibrationReport::QRLbMaxSignal, "Height (h2) - 6.732 meters"}}},
      {"horizontal cylinder",
       shape_flat_ends,
       {{diameter, "2"}, {length_cyl, "10"}, {angle, "0"}},
       0,
       "meters",
       0,
       "m3",
       {{&TCalibrationReport::QRLbAngle, "Angle of inclination (x) - 0.000 degrees"}}},
      {"cone-bottomed tank",
       shape_conical,
       {{diameter, "2"}, {length_cyl, "3"}, {length_con, "1.5"}},
       0,
       "meters",
       3,
       "ft3",
       {{&TCalibrationReport::QRLbTankShape, "Conical tank"},
        {&TCalibrationReport::QRLbLenCone, "Length of cone (L1) - 1.500 meters"},
        {&TCalibrationReport::QRLbVolume, "Volume (ft3)"}}},
      {"a span of eight digits in the general form",
       shape_spherical,
       {{diameter, "30"}},
       0,
       "meters",
       1,
       "liters",
       {{&TCalibrationReport::QRLbSpan, "SPAN - 1.413717E7 liters"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tank_state = TankState{};
    tank_state.tank_shape = c.shape;
    view = RecordingView{};
    for (const auto& [field, text] : c.texts) view.texts[field] = text;
    view.size_index = c.size_index;
    view.size_text = c.size_unit;
    view.volume_index = c.volume_index;
    view.volume_text = c.volume_unit;
    calculate_report();

    for (const auto& [caption, text] : c.captions) EXPECT_EQ((report.*caption).caption, text);
    // ZERO and SPAN print the numbers of the output page, in the chosen volume unit.
    const QString unit = QString(" ") + c.volume_unit;
    EXPECT_EQ(report.QRLbZero.caption, "ZERO - " + caption_number(view.log, "zero") + unit);
    EXPECT_EQ(report.QRLbSpan.caption, "SPAN - " + caption_number(view.log, "span") + unit);
  }
}

TEST_F(PrintReportTest, PreviewOpensOnlyAfterACalculationThatPassed) {
  enum class Outcome { preview, nothing, conversion_error, arithmetic_error };
  const struct {
    const char* name;
    const char* diameter;
    Outcome outcome;
  } cases[] = {
      {"values pass", "10", Outcome::preview},
      {"a value fails its check", "0", Outcome::nothing},
      {"a text that is no number", "ten", Outcome::conversion_error},
      // Both volumes round to 0, and the table divides 0 by 0.
      {"an arithmetic fault in the table", "1E-30", Outcome::arithmetic_error},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tank_state = TankState{};
    view.texts[ParameterField::diameter] = c.diameter;
    report.QRLbDiameter.caption = "before";
    int previews = 0;
    Outcome outcome = Outcome::nothing;
    try {
      print_report([&] { return calculate(view, table); }, report, window_texts(),
                   [&] { ++previews; });
      if (previews) outcome = Outcome::preview;
    } catch (const EConvertError&) {
      outcome = Outcome::conversion_error;
    } catch (const EMathError&) {
      outcome = Outcome::arithmetic_error;
    }
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(previews, c.outcome == Outcome::preview ? 1 : 0);
    EXPECT_EQ(report.QRLbDiameter.caption,
              c.outcome == Outcome::preview ? "Diameter (d) - 10.000 meters" : "before");
  }
}

// The real preview window: its printer is set up for the report, and "Save as PDF..." writes
// the page to the file the user names.
TEST_F(PrintReportTest, PreviewSavesThePageAsPdf) {
  calculate_report();
  const QString path = folder.filePath("saved.pdf");
  QString docName;
  int copies = 0;
  QPageLayout layout;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* preview = qobject_cast<QPrintPreviewDialog*>(window);
      if (!preview) continue;
      docName = preview->printer()->docName();
      copies = preview->printer()->copyCount();
      layout = preview->printer()->pageLayout();
      for (QAction* action : preview->findChildren<QAction*>())
        if (action->text() == "Save as PDF...") action->trigger();
      preview->close();
    }
  });
  preview_report(report, nullptr, [&](QWidget*) { return path; });

  EXPECT_EQ(docName, "FILLMAP");
  EXPECT_EQ(copies, 1);
  EXPECT_TRUE(layout.isEquivalentTo(Report::page_layout()));
  EXPECT_EQ(read_pdf_text(path).find("Spherical tank").size(), 1u);
}

}  // namespace
}  // namespace fillmap::testing
