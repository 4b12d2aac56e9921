// "&Report" on the real window: the report it previews carries the window's shape, label
// captions and units; a value that fails, or a text that is no number, previews nothing.

#include <QComboBox>

#include "../ui/window_fixture.h"
#include "platform/qt/report_preview.h"
#include "report/calibration_report.h"

namespace fillmap::testing {
namespace {

class ReportButton : public WindowTest {
 public:
  ReportButton() {
    set_report_preview([this](const Report& report, QWidget* parent) {
      previewed = dynamic_cast<const TCalibrationReport*>(&report);
      preview_parent = parent;
      ++previews;
    });
  }
  ~ReportButton() override { set_report_preview({}); }

  const TCalibrationReport* previewed = nullptr;
  QWidget* preview_parent = nullptr;
  int previews = 0;
};

TEST_F(ReportButton, PreviewsTheReportOfTheWindowsValues) {
  choose("ShapeConical");
  enter("Ed_diameter", "2");
  enter("Ed_length_cyl", "3");
  enter("Ed_length_con", "1.5");
  find<QComboBox>("SizeUnits")->setCurrentIndex(1);
  find<QComboBox>("VolumeUnits")->setCurrentIndex(2);
  click_tab("TabSheetOutput");
  click("BtnReport");

  ASSERT_EQ(previews, 1);
  ASSERT_TRUE(previewed);
  EXPECT_EQ(preview_parent, &form);
  const TCalibrationReport& report = *previewed;
  EXPECT_EQ(report.QRLbTankShape.caption, "Conical tank");
  EXPECT_EQ(report.QRLbDiameter.caption, "Diameter (d) - 2.000 feet");
  EXPECT_EQ(report.QRLbLenCylinder.caption, "Length of cylinder (L) - 3.000 feet");
  EXPECT_EQ(report.QRLbLenCone.caption, "Length of cone (L1) - 1.500 feet");
  EXPECT_EQ(report.QRLbAngle.caption, "Angle of inclination (x) - 0.000 degrees");
  EXPECT_EQ(report.QRLbMinSignal.caption, "Height (h1) - 0.000 feet");
  EXPECT_EQ(report.QRLbMaxSignal.caption, "Height (h2) - 4.500 feet");
  EXPECT_EQ(report.QRLbZero.caption, "ZERO - 0.000 US gal");
  EXPECT_EQ(report.QRLbSpan.caption, "SPAN - " + text("TextSpan").section(' ', -1) + " US gal");
  EXPECT_EQ(report.QRLbHeight.caption, "Height (feet)");
  EXPECT_EQ(report.QRLbVolume.caption, "Volume (US gal)");
  EXPECT_THAT(dialogs.log, ::testing::IsEmpty());
}

TEST_F(ReportButton, PreviewsNothingAfterAValueFailsOrIsNoNumber) {
  const struct {
    const char* diameter;
    const char* message;
  } cases[] = {
      {"0", "box Invalid diameter (d) !"},
      {"ten", "exception 'ten' is not a valid floating point value."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.diameter);
    click_tab("TabSheetOutput");
    enter("Ed_diameter", c.diameter);
    dialogs.log.clear();
    click("BtnReport");
    EXPECT_EQ(previews, 0);
    EXPECT_THAT(dialogs.log, ::testing::Contains(c.message));
    EXPECT_EQ(page(), page("TabSheetInput"));
    enter("Ed_diameter", "10");
  }
}

}  // namespace
}  // namespace fillmap::testing
