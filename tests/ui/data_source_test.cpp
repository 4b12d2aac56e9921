#include "platform/qt/data_source.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <QStringList>
#include <string>

#include "calibration/calibration.h"
#include "recording_view.h"
#include "store/my_dataset.h"

namespace fillmap {
namespace {

const QList<TColumn> grid_columns = {{"Point", "Point", false},
                                     {"Input", "Input (norm)", true},
                                     {"Output", "Output (norm)", true},
                                     {"Height", "Height", false},
                                     {"Volume", "Volume", false}};

// The window's part in the calculation: its column titles go to the grid's data source.
class GridView : public testing::RecordingView {
 public:
  explicit GridView(TDataSource& source) : source_(source) {}
  void set_column_title(int position, const std::string& title) override {
    RecordingView::set_column_title(position, title);
    source_.setColumnTitle(position, QString::fromStdString(title));
  }

 private:
  TDataSource& source_;
};

QStringList current_texts(TDataSet& table) {
  QStringList texts;
  for (const TColumn& column : grid_columns) {
    texts.append(
        QString::fromStdString(table.FieldByName(column.field_name.toStdString()).AsString()));
  }
  return texts;
}

// What the store holds, walked as the report walks it.
QList<QStringList> stored_rows(TDataSet& table) {
  QList<QStringList> rows;
  for (table.First(); !table.Eof(); table.Next()) rows.append(current_texts(table));
  return rows;
}

QList<QStringList> shown_rows(const QAbstractItemModel& model) {
  QList<QStringList> rows;
  for (int row = 0; row < model.rowCount(); ++row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column) {
      texts.append(model.index(row, column).data().toString());
    }
    rows.append(texts);
  }
  return rows;
}

// Collects the warnings Qt logs while it lives: the model tester's complaints among them.
class WarningRecorder {
 public:
  WarningRecorder() : previous_(qInstallMessageHandler(record)) {}
  WarningRecorder(const WarningRecorder&) = delete;
  WarningRecorder& operator=(const WarningRecorder&) = delete;
  ~WarningRecorder() {
    qInstallMessageHandler(previous_);
    messages().clear();
  }

  static QStringList& messages() {
    static QStringList logged;
    return logged;
  }

 private:
  static void record(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) messages().append(message);
  }

  QtMessageHandler previous_;
};

// Every change of the model is checked for consistency by the model tester; its complaints, and
// any other warning, fail the test.
class DataSourceTest : public ::testing::Test {
 protected:
  DataSourceTest() { source.setColumns(grid_columns); }
  void TearDown() override {
    EXPECT_TRUE(WarningRecorder::messages().isEmpty())
        << WarningRecorder::messages().join('\n').toStdString();
  }

  bool calculate_with(const char* points) {
    view.texts[ParameterField::points] = points;
    return calculate(view, table);
  }

  WarningRecorder warnings;
  TMyDataSet table;
  TDataSource source{table};
  QAbstractItemModelTester tester{&source, QAbstractItemModelTester::FailureReportingMode::Warning};
  GridView view{source};
};

TEST_F(DataSourceTest, ShowsEveryRowOfACalculationAsStored) {
  ASSERT_TRUE(calculate_with("15"));

  ASSERT_EQ(source.rowCount(), 17);
  EXPECT_EQ(source.index(0, 1).data().toString(), "      0.000");
  EXPECT_EQ(source.index(1, 0).data().toString(), "          1");
  EXPECT_EQ(source.index(16, 0).data().toString(), "           ");
  EXPECT_EQ(shown_rows(source), stored_rows(table));
}

TEST_F(DataSourceTest, ReadingLeavesTheStoreOnItsRecord) {
  ASSERT_TRUE(calculate_with("15"));
  // The refill ends on the last row; every re-read along the way returned there.
  EXPECT_EQ(table.RecNo(), 17);

  // Rewriting a record in the middle makes the source read everything again.
  table.First();
  table.MoveBy(4);
  table.Edit();
  table.FieldByName("Volume").SetAsString("     12.345");
  table.Post();

  EXPECT_EQ(source.index(4, 4).data().toString(), "     12.345");
  EXPECT_EQ(table.RecNo(), 5);
  EXPECT_EQ(table.FieldByName("Volume").AsString(), "     12.345");
}

TEST_F(DataSourceTest, MovingThroughTheStoreReadsNothing) {
  ASSERT_TRUE(calculate_with("15"));
  QSignalSpy resets(&source, &QAbstractItemModel::modelReset);

  table.First();
  table.MoveBy(3);
  table.Last();

  EXPECT_EQ(resets.count(), 0);
}

TEST_F(DataSourceTest, AShapeChangeEmptiesTheGrid) {
  ASSERT_TRUE(calculate_with("15"));
  QSignalSpy resets(&source, &QAbstractItemModel::modelReset);

  table.Close();

  EXPECT_EQ(source.rowCount(), 0);
  EXPECT_EQ(resets.count(), 1);
}

TEST_F(DataSourceTest, ARefillWithFewerRowsLeavesNoOldRow) {
  ASSERT_TRUE(calculate_with("15"));
  ASSERT_TRUE(calculate_with("3"));

  ASSERT_EQ(source.rowCount(), 5);
  EXPECT_EQ(shown_rows(source), stored_rows(table));
}

TEST_F(DataSourceTest, TheCalculationRetitlesHeightAndVolume) {
  auto title = [&](int column) { return source.headerData(column, Qt::Horizontal).toString(); };
  EXPECT_EQ(title(3), "Height");
  QSignalSpy retitled(&source, &QAbstractItemModel::headerDataChanged);

  view.size_text = "feet";
  view.volume_text = "US gal";
  ASSERT_TRUE(calculate_with("15"));

  EXPECT_EQ(title(0), "Point");
  EXPECT_EQ(title(1), "Input (norm)");
  EXPECT_EQ(title(3), "Height (feet)");
  EXPECT_EQ(title(4), "Volume (US gal)");
  ASSERT_EQ(retitled.count(), 2);
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(retitled[k][0].value<Qt::Orientation>(), Qt::Horizontal);
    EXPECT_EQ(retitled[k][1].toInt(), 3 + k);
    EXPECT_EQ(retitled[k][2].toInt(), 3 + k);
  }
}

TEST_F(DataSourceTest, CellsAreRightAlignedReadOnlyAndBoldForInputAndOutput) {
  ASSERT_TRUE(calculate_with("15"));

  for (int column = 0; column < 5; ++column) {
    SCOPED_TRACE(column);
    const QModelIndex cell = source.index(2, column);
    EXPECT_EQ(Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt()),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(cell.flags(), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const bool bold = column == 1 || column == 2;
    EXPECT_EQ(cell.data(Qt::FontRole).value<QFont>().bold(), bold);
    EXPECT_EQ(
        Qt::Alignment(source.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()),
        Qt::AlignCenter);
  }
  EXPECT_EQ(source.headerData(2, Qt::Vertical).toString(), "");
}

TEST_F(DataSourceTest, AScreenReaderHearsTheNumberWithoutItsPadding) {
  ASSERT_TRUE(calculate_with("15"));

  EXPECT_EQ(source.index(16, 1).data().toString(), "      1.000");
  EXPECT_EQ(source.index(16, 1).data(Qt::AccessibleTextRole).toString(), "1.000");
  EXPECT_EQ(source.index(16, 0).data(Qt::AccessibleTextRole).toString(), "");
}

// A change told while a record is still being appended must not make the source walk the store,
// which would post the record behind the writer's back.
TEST_F(DataSourceTest, AHeldBackChangeDuringAnAppendPostsNothing) {
  ASSERT_TRUE(calculate_with("3"));

  table.DisableControls();
  table.Append();
  table.FieldByName("Point").SetAsString("          9");
  table.EnableControls();

  EXPECT_EQ(table.State(), TDataSetState::dsInsert);
  EXPECT_EQ(source.rowCount(), 5);
  table.Cancel();
  EXPECT_EQ(source.rowCount(), 5);
}

}  // namespace
}  // namespace fillmap
