#pragma once

#include <QComboBox>

class TDataSet;
class TDataSetModel;

// A drop-down list of a dataset's rows showing `name` and keyed on `id`. The
// row picked becomes the dataset's current row, and the dataset's current row
// shows as the pick, so every view of the dataset agrees.
class TLookupCombo : public QComboBox {
  Q_OBJECT
 public:
  explicit TLookupCombo(QWidget* parent = nullptr);
  void SetDataSet(TDataSet* dataset, const QString& displayField = QStringLiteral("name"));
  TDataSet* DataSet() const { return dataset_; }
  // The id of the shown row; 0 when nothing is shown.
  int KeyValue() const { return key_; }
  // Shows the row of that id and makes it current (0 clears the pick).
  // Emits KeyChanged when the key differs from the one shown.
  void SetKeyValue(int id);
  // Clears the pick without emitting KeyChanged.
  void ClearSelection();

 signals:
  void KeyChanged(int id);

 private:
  void FollowDataSet();
  void Picked(int row);
  TDataSet* dataset_ = nullptr;
  TDataSetModel* model_ = nullptr;
  int key_ = 0;
  bool syncing_ = false;
};
