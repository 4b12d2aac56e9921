#include "ui/fillmap0.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "calibration/calibration.h"
#include "geometry/tank_state.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/exception_box.h"
#include "platform/qt/report_preview.h"
#include "report/print_report.h"
#include "ui/about.h"
#include "ui/form_layout.h"

namespace fillmap {

TForm1* Form1 = nullptr;

namespace {

void set_enabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* control : controls) control->setEnabled(enabled);
}

// The grid's cells draw their texts without the leading blanks. The stored texts are
// right-justified to 11 characters, wider than the Point column; right-aligned, they look the
// same without the blanks, and the digits stay in view.
class GridCells final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = option->text.trimmed();
  }
};

}  // namespace

// The window as the calculation sees it: the parameter fields, the unit lists, the pages, the
// result captions and the grid's column titles.
class TForm1::View final : public CalculationView {
 public:
  explicit View(TForm1& form) : form_(form) {}

  std::string field_text(ParameterField field) override {
    // Both the edit fields and the spin edit have a "text" property: what the user typed.
    return form_.parameter_field(field)->property("text").toString().toStdString();
  }
  int size_unit_index() override { return form_.SizeUnits->currentIndex(); }
  std::string size_unit_text() override { return form_.SizeUnits->currentText().toStdString(); }
  int volume_unit_index() override { return form_.VolumeUnits->currentIndex(); }
  std::string volume_unit_text() override { return form_.VolumeUnits->currentText().toStdString(); }

  void set_active_page(Page page) override {
    form_.PageControl1->setCurrentWidget(page == Page::input ? form_.TabSheetInput
                                                             : form_.TabSheetOutput);
  }
  void focus_field(ParameterField field) override { form_.parameter_field(field)->setFocus(); }
  void beep() override { dialogs().beep(); }
  void show_error(const std::string& message) override {
    dialogs().error_box(&form_, QString::fromStdString(message));
  }

  void set_zero_caption(const std::string& caption) override {
    form_.TextZero->setText(QString::fromStdString(caption));
  }
  void set_span_caption(const std::string& caption) override {
    form_.TextSpan->setText(QString::fromStdString(caption));
  }
  void set_column_title(int position, const std::string& title) override {
    form_.DataSource1.setColumnTitle(position, QString::fromStdString(title));
  }

 private:
  TForm1& form_;
};

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setupUi(this);
  apply_form_layout(this);
  // The client area is the page control's design size, below the menu bar.
  resize(PageControl1->width(), MainMenu1->sizeHint().height() + PageControl1->height());

  // The radio group's item index is the shape code.
  const QList<QAbstractButton*> shape_items = GroupTankShapeItems->buttons();
  for (int code = 0; code < shape_items.size(); ++code)
    GroupTankShapeItems->setId(shape_items[code], code);

  // The grid's columns: field, title and bold cells, then their widths.
  DataSource1.setColumns({{"Point", "Point", false},
                          {"Input", "Input (norm)", true},
                          {"Output", "Output (norm)", true},
                          {"Height", "Height", false},
                          {"Volume", "Volume", false}});
  DBGrid1->setModel(&DataSource1);
  for (int column = 0; const int width : {35, 82, 82, 84, 84})
    DBGrid1->setColumnWidth(column++, width);
  DBGrid1->verticalHeader()->setFixedWidth(11);  // the row-indicator column
  DBGrid1->setItemDelegate(new GridCells(DBGrid1));

  connect_handler(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect_handler(About1, &QAction::triggered, this, &TForm1::About1Click);
  connect_handler(PageControl1, &PageControl::userChangedPage, this, &TForm1::ChangePage);
  connect_handler(BtnCalculate, &QPushButton::clicked, this, &TForm1::calculate);
  connect_handler(BtnReport, &QPushButton::clicked, this, &TForm1::PrintClick);
  // A radio group raises its click only when the selection moves to another item.
  connect(GroupTankShapeItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) run_handler([this] { choose_tank(); });
  });

  FormCreate();
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) run_handler([this] { FormActivate(); });
  return QMainWindow::event(event);
}

QWidget* TForm1::parameter_field(ParameterField field) const {
  switch (field) {
    case ParameterField::points:
      return Ed_points;
    case ParameterField::diameter:
      return Ed_diameter;
    case ParameterField::length_cyl:
      return Ed_length_cyl;
    case ParameterField::angle:
      return Ed_angle;
    case ParameterField::length_con:
      return Ed_length_con;
    case ParameterField::min_signal:
      return Ed_min_signal;
    case ParameterField::max_signal:
      return Ed_max_signal;
  }
  return nullptr;
}

void TForm1::FormCreate() {
  show_shape_name();
  SizeUnits->setCurrentIndex(0);
  VolumeUnits->setCurrentIndex(0);
  const int report_tab = PageControl1->indexOf(TabSheetReport);
  PageControl1->setTabVisible(report_tab, false);
  // The keys that move between the tabs skip disabled tabs, not hidden ones.
  PageControl1->setTabEnabled(report_tab, false);
}

void TForm1::FormActivate() { AboutBox->setVisible(false); }

void TForm1::Exit1Click() { close(); }

void TForm1::About1Click() { AboutBox->setVisible(true); }

void TForm1::ChangePage() {
  if (PageControl1->currentWidget() == TabSheetOutput) calculate();
}

void TForm1::calculate() {
  View view(*this);
  fillmap::calculate(view, Table1);
}

void TForm1::PrintClick() {
  View view(*this);
  const ReportWindowTexts texts{GroupTankShapeItems->checkedButton()->text(),
                                Lb_diameter->text(),
                                Lb_length_cyl->text(),
                                Lb_length_con->text(),
                                Lb_angle->text(),
                                Lb_min_signal->text(),
                                Lb_max_signal->text(),
                                SizeUnits->currentText(),
                                VolumeUnits->currentText()};
  print_report([&] { return fillmap::calculate(view, Table1); }, QuickRep1, texts,
               [this] { show_preview(QuickRep1, this); });
}

void TForm1::show_shape_name() {
  const QString name = GroupTankShapeItems->checkedButton()->text() + QStringLiteral(" tank");
  TextTankImage->setText(name);
  TextTankShape->setText(name);
}

void TForm1::choose_tank() {
  Table1.Close();
  Ed_min_signal->setText(QStringLiteral("min"));
  Ed_max_signal->setText(QStringLiteral("max"));
  TextZero->setText(QString::fromLatin1(unknown_zero_caption));
  TextSpan->setText(QString::fromLatin1(unknown_span_caption));
  show_shape_name();
  tank_state.tank_shape = static_cast<std::uint8_t>(GroupTankShapeItems->checkedId());
  switch (tank_state.tank_shape) {
    case shape_spherical:
      view_spherical();
      break;
    case shape_conical:
      view_conical();
      break;
    default:
      view_cylindrical();
      break;
  }
}

void TForm1::disable_parameters() {
  set_enabled({Lb_diameter, Lb_length_cyl, Lb_length_con, Lb_angle, Lb_angle1, Ed_length_cyl,
               Ed_length_con, Ed_angle, Ed_points},
              false);
  for (QWidget* picture : {ImageSphTank, ImageConTank, ImageCylTank}) picture->setVisible(false);
}

void TForm1::view_spherical() {
  disable_parameters();
  Ed_length_cyl->clear();
  Ed_length_con->clear();
  Ed_angle->clear();
  set_enabled({Lb_diameter, Lb_points, Ed_diameter, Ed_points}, true);
  ImageSphTank->setVisible(true);
}

void TForm1::view_conical() {
  disable_parameters();
  Ed_angle->clear();
  set_enabled({Lb_diameter, Lb_length_cyl, Lb_length_con, Lb_points, Ed_diameter, Ed_length_cyl,
               Ed_length_con, Ed_points},
              true);
  ImageConTank->setVisible(true);
}

void TForm1::view_cylindrical() {
  disable_parameters();
  Ed_length_con->clear();
  set_enabled({Lb_diameter, Lb_length_cyl, Lb_angle, Lb_angle1, Lb_points, Ed_diameter,
               Ed_length_cyl, Ed_angle, Ed_points},
              true);
  Ed_angle->setText(QStringLiteral("0"));
  ImageCylTank->setVisible(true);
}

}  // namespace fillmap
