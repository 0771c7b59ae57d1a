#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include "data/TDataSet.h"

// A table model over a TDataSet's snapshot, for grids and lookups. Columns
// may be limited to a list of field names; it follows the dataset's reads
// and edits. Read only: edits go through the dataset.
class TDataSetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TDataSetModel(TDataSet* dataset, const QStringList& fields = {}, QObject* parent = nullptr);
  TDataSet* DataSet() const { return dataset_; }
  int FieldColumn(const QString& field) const; // -1 when not shown

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  void Reset();
  QPointer<TDataSet> dataset_;
  QStringList wanted_;
  QList<int> columns_; // dataset field index per model column
  int rows_ = 0;
};
