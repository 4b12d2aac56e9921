#include "platform/qt/data_source.h"

#include <QFont>
#include <utility>
#include <vector>

namespace fillmap {

namespace {

// Holds the data set's notifications back while its records are walked, also when reading fails.
class ControlsDisabled {
 public:
  explicit ControlsDisabled(TDataSet& data_set) : data_set_(data_set) {
    data_set_.DisableControls();
  }
  ControlsDisabled(const ControlsDisabled&) = delete;
  ControlsDisabled& operator=(const ControlsDisabled&) = delete;
  ~ControlsDisabled() { data_set_.EnableControls(); }

 private:
  TDataSet& data_set_;
};

// The texts of `columns` in every record, in record order, leaving the data set on the record it
// was on. Walking under DisableControls and returning with SetRecNo leaves only a scroll behind,
// which no data source reads again for.
QList<QStringList> read_records(TDataSet* data_set, const QList<TColumn>& columns) {
  if (!data_set || !data_set->Active()) return {};
  std::vector<const TField*> fields;
  for (const TColumn& column : columns) {
    fields.push_back(&data_set->FieldByName(column.field_name.toStdString()));
  }
  const ControlsDisabled disabled(*data_set);
  const int record_number = data_set->RecNo();
  QList<QStringList> rows;
  for (data_set->First(); !data_set->Eof(); data_set->Next()) {
    QStringList texts;
    for (const TField* field : fields) texts.append(QString::fromStdString(field->AsString()));
    rows.append(std::move(texts));
  }
  data_set->SetRecNo(record_number);
  return rows;
}

}  // namespace

TDataSource::TDataSource(TDataSet& data_set, QObject* parent) : QAbstractTableModel(parent) {
  SetDataSet(&data_set);
}

void TDataSource::setColumns(QList<TColumn> columns) {
  QList<QStringList> rows = read_records(DataSet(), columns);
  beginResetModel();
  columns_ = std::move(columns);
  rows_ = std::move(rows);
  endResetModel();
}

void TDataSource::setColumnTitle(int position, const QString& title) {
  if (position < 0 || position >= columns_.size()) return;
  columns_[position].title = title;
  emit headerDataChanged(Qt::Horizontal, position, position);
}

int TDataSource::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TDataSource::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TDataSource::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const QString& text = rows_[index.row()][index.column()];
  switch (role) {
    case Qt::DisplayRole:
      // The stored text as it is printed: right-justified to its 11 characters.
      return text;
    case Qt::AccessibleTextRole:
      return text.trimmed();
    case Qt::TextAlignmentRole:
      return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (columns_[index.column()].bold) {
        // Only the weight is set, so the cell keeps the grid's own family and size.
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    default:
      return {};
  }
}

QVariant TDataSource::headerData(int section, Qt::Orientation orientation, int role) const {
  // The row headers are the grid's row-indicator column: no numbers in it.
  if (orientation == Qt::Vertical)
    return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
  if (section < 0 || section >= columns_.size()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return columns_[section].title;
    case Qt::TextAlignmentRole:
      return static_cast<int>(Qt::AlignCenter);
    default:
      return {};
  }
}

Qt::ItemFlags TDataSource::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TDataSource::DataEvent(TDataEvent event, const TField* /*field*/) {
  // A field change or a scroll leaves the stored records as they were.
  if (event != TDataEvent::deDataSetChange && event != TDataEvent::deActiveChange) return;
  // While a record is being edited or appended the stored records are unchanged too, and walking
  // them would post it; its Post tells again.
  const TDataSetState state = DataSet()->State();
  if (state == TDataSetState::dsEdit || state == TDataSetState::dsInsert) return;
  QList<QStringList> rows = read_records(DataSet(), columns_);
  if (rows == rows_) return;
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

}  // namespace fillmap
