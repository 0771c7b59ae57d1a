#pragma once

#include "model/TValueControl.h"

#include <QFrame>
#include <optional>

class QLabel;
class QLineEdit;
class QToolButton;
class TDataSet;
class TPRA;
class TVariable;
class TVariableValue;

// The editor row of one input variable: label, help button with the
// variable's definition, the value (its column in the current row of the
// topic's table), precision buttons, choice marker and unit.
class TframeVariableData : public QFrame, public TValueControl {
  Q_OBJECT
 public:
  enum TValueKind { vkVariable = 0, vkConstant = 1, vkDefault = 2 };

  explicit TframeVariableData(QWidget* parent = nullptr);
  ~TframeVariableData() override;

  const TVariable* Variable = nullptr;
  TVariableValue* VariableValue = nullptr; // bound value object of the page PRA, may be absent
  TPRA* PRA = nullptr;
  int ValueKind = vkVariable;

  // Binds the editor to a definition and to the column of its name in the
  // dataset (the pesticide, application or area dataset).
  void LoadVariable(const TVariable* variable, TDataSet* dataset);
  // Binds the value object (detaching the previous one).
  void BindValue(TVariableValue* value);
  QString BuildHint() const;
  // True when the number (nullopt: empty) may be accepted; otherwise the
  // out-of-range warning with Retry, focus back to the edit.
  bool CheckRange(const std::optional<double>& value);
  // Leaving the edit: the typed value is written, stored and derived values follow.
  void edtValueExit();
  void btnHelpClick();
  void UpDownClick(bool up);
  // Range text of the hint and the warning: "unrestricted" or "min - max".
  QString RangeText() const;
  bool Bound() const { return dataset_ != nullptr; }

  QLabel* lblTitle;
  QToolButton* btnHelp;
  QLineEdit* edtValue;
  QWidget* UpDown;
  QLabel* lblChoice;
  QLabel* lblUnit;

  // TValueControl
  TDataSet* DataSet() const override { return dataset_; }
  QString FieldName() const override;
  int Tag() const override { return ValueKind; }
  void SetValueColour(TValueColour colour) override;
  void DetachValue(const TVariableValue* value) override;

  static int DisplayPrecision(int precision); // 2..15 significant digits

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFieldValue();
  void SetEditColour(const QColor& colour);
  TDataSet* dataset_ = nullptr;
  bool exiting_ = false;
};
