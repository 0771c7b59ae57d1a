#pragma once

#include "model/TVariable.h"

#include <QList>

class TValueControl;

// The value of one variable in one topic. Unbound, it lives in memory only;
// bound to a value editor, every store writes the editor's data field (the
// value's column in the current row of its table) at once.
class TVariableValue {
 public:
  // Starts with the variable's constant, else its default, else -9999.
  explicit TVariableValue(const TVariable* variable);
  ~TVariableValue();
  TVariableValue(const TVariableValue&) = delete;
  TVariableValue& operator=(const TVariableValue&) = delete;

  const TVariable* Variable; // not owned
  double Value;
  bool Defined;
  QList<TValueControl*> Controls; // not owned; the first one's field is the value's place

  // Stores x (a constant always wins). A database error while writing a bound
  // value cancels the edit and is not passed on; Defined then follows the
  // unchanged field.
  void StoreValue(double x);
  void AttachControl(TValueControl* control);
  void DetachControl(TValueControl* control);
};
