#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TDataSet;

// The name and description of one item, for a new, copied or existing row.
class TfrmEditItem : public QDialog {
  Q_OBJECT
 public:
  enum TMode { emNew = 0, emCopy = 1, emEdit = 2 };
  explicit TfrmEditItem(QWidget* parent = nullptr);
  // Prepares the row as the mode says and shows the dialog modally.
  int Execute(int mode, TDataSet* dataset, const QString& descrLabel, const QString& nameLabel, const QString& caption);

  QLabel* lblName;
  QLineEdit* edtName;
  QLabel* lblDescr;
  QPlainTextEdit* mmDescr;

  void accept() override; // OK
  void reject() override; // Cancel

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  TDataSet* dataset_ = nullptr;
  int mode_ = emNew;
};
