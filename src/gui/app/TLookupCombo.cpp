#include "app/TLookupCombo.h"

#include "app/TDataSetModel.h"
#include "data/TDataSet.h"

TLookupCombo::TLookupCombo(QWidget* parent) : QComboBox(parent) {
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(18);
  connect(this, &QComboBox::activated, this, &TLookupCombo::Picked);
}

void TLookupCombo::SetDataSet(TDataSet* dataset, const QString& displayField) {
  dataset_ = dataset;
  delete model_;
  model_ = new TDataSetModel(dataset, {displayField}, this);
  setModel(model_);
  setModelColumn(0);
  setCurrentIndex(-1);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    // Rows were re-read: show the key again, if it is still there.
    const int key = key_;
    key_ = 0;
    syncing_ = true;
    setCurrentIndex(-1);
    if (key != 0 && dataset_->Active()) {
      for (int r = 0; r < dataset_->RecordCount(); ++r)
        if (dataset_->RowValue(r, dataset_->FieldIndex(QStringLiteral("id"))).toInt() == key) {
          setCurrentIndex(r);
          key_ = key;
        }
    }
    syncing_ = false;
  });
}

void TLookupCombo::Picked(int row) {
  if (!dataset_ || row < 0) return;
  dataset_->MoveTo(row);
  const int id = dataset_->AsInteger(QStringLiteral("id"));
  if (id == key_) return;
  key_ = id;
  emit KeyChanged(id);
}

void TLookupCombo::SetKeyValue(int id) {
  if (!dataset_ || !dataset_->Active()) return;
  if (id == 0) {
    ClearSelection();
    return;
  }
  if (!dataset_->Locate(QStringLiteral("id"), id)) return;
  syncing_ = true;
  setCurrentIndex(dataset_->RecNo());
  syncing_ = false;
  if (id == key_) return;
  key_ = id;
  emit KeyChanged(id);
}

void TLookupCombo::ClearSelection() {
  syncing_ = true;
  setCurrentIndex(-1);
  syncing_ = false;
  key_ = 0;
}
