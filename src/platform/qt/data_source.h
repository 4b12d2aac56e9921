#pragma once
// The data source that shows a data set in a grid: one row per record, one column per chosen
// field, read-only. It listens to the data set's change notifications and reads the records
// again when they were added, removed or rewritten, or when the data set was opened or closed.
//
// The window wires it as
//   DataSource1.setColumns({{"Point", "Point", false}, {"Input", "Input (norm)", true}, ...});
//   DBGrid1->setModel(&DataSource1);
// and the calculation retitles columns through setColumnTitle.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/dataset.h"

namespace fillmap {

// A column of the grid: the data set's field it shows, its title, and whether its cells are bold.
struct TColumn {
  QString field_name;
  QString title;
  bool bold = false;
};

class TDataSource : public QAbstractTableModel, private TDataLink {
  Q_OBJECT

 public:
  explicit TDataSource(TDataSet& data_set, QObject* parent = nullptr);

  // Replaces the columns and reads the records again for them. Raises EDatabaseError when the
  // open data set has no field of a column's name.
  void setColumns(QList<TColumn> columns);
  // The title of the column at `position` (0 is the first column).
  void setColumnTitle(int position, const QString& title);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // Reads the records again when they were added, removed or rewritten, or when the data set was
  // opened or closed.
  void DataEvent(TDataEvent event, const TField* field) override;

  QList<TColumn> columns_;
  // The stored texts of every record, one text per column; none while the data set is closed.
  QList<QStringList> rows_;
};

}  // namespace fillmap
