#pragma once
// The calibration report QuickRep1: the printable record of one calculation, one A4 page with
// the tank, its dimensions, the two signal heights, ZERO and SPAN, and the linearisation table
// of the record store. Every element is a member named as the report's component.

#include "platform/qt/report_engine.h"

namespace fillmap {

class TCalibrationReport final : public Report {
 public:
  explicit TCalibrationReport(TDataSet& table);

  // Page header
  ReportLabel QRLabel1;
  ReportDateTime QRSysData1;
  ReportLabel QRLabel7;

  // Title band; the captions named QRLb... are set by the "&Report" handler.
  ReportLabel QRLbTankShape;
  ReportLabel QRLbDiameter;
  ReportLabel QRLabel4;
  ReportLabel QRLbLenCylinder;
  ReportLabel QRLbLenCone;
  ReportLabel QRLbAngle;
  ReportLabel QRLbMinSignal;
  ReportLabel QRLbZero;
  ReportLabel QRLbMaxSignal;
  ReportLabel QRLbSpan;

  // Column header
  ReportLabel QRLabel6;
  ReportLabel QRLabel2;
  ReportLabel QRLabel3;
  ReportLabel QRLbHeight;
  ReportLabel QRLbVolume;

  // Detail, one per record
  ReportDBText QRDBText5;
  ReportDBText QRDBText1;
  ReportDBText QRDBText2;
  ReportDBText QRDBText3;
  ReportDBText QRDBText4;

  // Summary
  ReportLabel QRMemo1;

  const ReportBand PageHeaderBand1;
  const ReportBand TitleBand1;
  const ReportBand ColumnHeaderBand1;
  const ReportBand DetailBand1;
  const ReportBand SummaryBand1;
};

}  // namespace fillmap
