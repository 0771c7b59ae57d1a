#include "app/TDataSetModel.h"

#include "data/TDataSet.h"

TDataSetModel::TDataSetModel(TDataSet* dataset, const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), wanted_(fields) {
  connect(dataset, &TDataSet::RowsChanged, this, &TDataSetModel::Reset);
  connect(dataset, &TDataSet::DataChanged, this, [this] {
    if (dataset_->RecNo() >= 0 && !columns_.isEmpty())
      emit dataChanged(index(dataset_->RecNo(), 0), index(dataset_->RecNo(), columnCount() - 1));
  });
  Reset();
}

void TDataSetModel::Reset() {
  beginResetModel();
  columns_.clear();
  if (dataset_ && dataset_->Active()) {
    if (wanted_.isEmpty()) {
      for (int i = 0; i < dataset_->FieldCount(); ++i)
        columns_ << i;
    } else {
      for (const QString& f : wanted_) {
        const int i = dataset_->FieldIndex(f);
        if (i >= 0) columns_ << i;
      }
    }
  }
  rows_ = dataset_ && dataset_->Active() ? dataset_->RecordCount() : 0;
  endResetModel();
}

int TDataSetModel::FieldColumn(const QString& field) const {
  if (!dataset_) return -1;
  const int i = dataset_->FieldIndex(field);
  return i < 0 ? -1 : columns_.indexOf(i);
}

int TDataSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
  if (!dataset_ || !index.isValid() || index.row() >= dataset_->RecordCount() || index.column() >= columns_.size())
    return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  // Read the row without moving the dataset's cursor.
  return dataset_->RowValue(index.row(), columns_[index.column()]);
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (!dataset_ || section < 0 || section >= columns_.size()) return {};
  return dataset_->FieldNames().value(columns_[section]);
}
