#include "report/calibration_report.h"

namespace fillmap {

namespace {

// Liberation Sans and Liberation Serif have the widths of Arial and Times New Roman, for which
// the layout's millimetres were made.
QFont report_font(const char* family, int points, bool bold) {
  QFont font(family);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

QFont arial(int points, bool bold = false) { return report_font("Liberation Sans", points, bold); }

QFont times_new_roman(int points, bool bold) {
  return report_font("Liberation Serif", points, bold);
}

// The report's base font.
QFont base_font() { return arial(10); }

constexpr bool bold = true;

// A column title: centred in its box, wrapped at spaces onto a second line when it is too wide.
ElementPlace column_title(qreal left, qreal width) {
  return in_box(left, 2.12, width, 10.58, Qt::AlignHCenter, true);
}

// A field of the current record, right-aligned so that every value ends at the box's right
// edge.
ElementPlace column_value(qreal left, qreal width) {
  return in_box(left, 0, width, 4.76, Qt::AlignRight, true);
}

}  // namespace

TCalibrationReport::TCalibrationReport(TDataSet& table)
    : Report("FILLMAP", table,
             {&PageHeaderBand1, &TitleBand1, &ColumnHeaderBand1, &DetailBand1, &SummaryBand1}),
      QRLabel1("MODEL OSTRA CALIBRATION REPORT", centred(1.06, 8.47), times_new_roman(20, bold)),
      QRSysData1(at_left(12.70, 4.50), base_font()),
      QRLabel7("by Norvale Systems", at_right(12.70, 4.50), base_font()),
      QRLbTankShape("", centred(5.29, 6.61), arial(16, bold)),
      QRLbDiameter("", at_left(14.82, 4.50), base_font()),
      QRLabel4("Maximum Volume = ZERO + SPAN", at_right(14.82, 4.50), arial(10)),
      QRLbLenCylinder("", at_left(21.17, 4.50), base_font()),
      QRLbLenCone("", at_left(27.52, 4.50), base_font()),
      QRLbAngle("", at_left(33.87, 4.50), base_font()),
      QRLbMinSignal("", at_left(40.22, 4.50), base_font()),
      QRLbZero("", at_right(40.22, 4.50), arial(10)),
      QRLbMaxSignal("", at_left(46.57, 4.50), base_font()),
      QRLbSpan("", at_right(46.57, 4.50), arial(10)),
      QRLabel6("Point", column_title(12.70, 14.55), arial(10, bold)),
      QRLabel2("Input (norm)", column_title(43.39, 15.08), arial(10, bold)),
      QRLabel3("Output (norm)", column_title(76.20, 14.55), arial(10, bold)),
      QRLbHeight("", column_title(106.89, 15.61), arial(10, bold)),
      QRLbVolume("", column_title(137.58, 15.61), arial(10, bold)),
      QRDBText5("Point", column_value(16.93, 8.47), base_font()),
      QRDBText1("Input", column_value(49.74, 7.41), base_font()),
      QRDBText2("Output", column_value(78.32, 10.58), base_font()),
      QRDBText3("Height", column_value(111.13, 10.05), base_font()),
      QRDBText4("Volume", column_value(140.76, 11.64), base_font()),
      QRMemo1(
          "Input (norm) and Output (norm) are normalized non-linearity correction values "
          "between 0 and 1 which are programmed into the Norvale Model Ostra together with "
          "the values of Zero and Span.",
          in_box(0, 3.17, 184.41, 12.96, Qt::AlignLeft, true), arial(10)),
      PageHeaderBand1(18.26, {&QRLabel1, &QRSysData1, &QRLabel7}, Qt::BottomEdge, 2),
      TitleBand1(52.39, {&QRLbTankShape, &QRLbDiameter, &QRLabel4, &QRLbLenCylinder, &QRLbLenCone,
                         &QRLbAngle, &QRLbMinSignal, &QRLbZero, &QRLbMaxSignal, &QRLbSpan}),
      ColumnHeaderBand1(13.23, {&QRLabel6, &QRLabel2, &QRLabel3, &QRLbHeight, &QRLbVolume},
                        Qt::TopEdge | Qt::BottomEdge, 1),
      DetailBand1(5.29, {&QRDBText5, &QRDBText1, &QRDBText2, &QRDBText3, &QRDBText4}),
      SummaryBand1(25.14, {&QRMemo1}, Qt::TopEdge, 2) {}

}  // namespace fillmap
