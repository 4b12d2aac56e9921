#pragma once
// The main window Form1: its five pages and menu, the calculation from "&Calculate" and from the
// user's move to the output page, the shape panel of the input page, and the report button.

#include <QMainWindow>

#include "platform/qt/data_source.h"
#include "report/calibration_report.h"
#include "store/my_dataset.h"
#include "ui_fillmap0.h"

namespace fillmap {

enum class ParameterField;

class TForm1 : public QMainWindow, private Ui::TForm1 {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;

 private:
  class View;

  // Events of this window.
  void FormCreate();
  void FormActivate();
  void Exit1Click();
  void About1Click();
  void ChangePage();
  void calculate();
  void PrintClick();

  // The shape panel of the input page.
  void choose_tank();
  void disable_parameters();
  void view_spherical();
  void view_conical();
  void view_cylindrical();

  // Names the chosen shape above its picture and on the output page.
  void show_shape_name();
  QWidget* parameter_field(ParameterField field) const;

  TMyDataSet Table1;
  // The grid shows Table1 through it.
  TDataSource DataSource1{Table1};
  // The calibration report over Table1, which "&Report" fills and previews.
  TCalibrationReport QuickRep1{Table1};
};

// The one main window, from start-up to exit.
extern TForm1* Form1;

}  // namespace fillmap
