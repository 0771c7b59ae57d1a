#pragma once

#include <QString>

class TDataSet;
class TVariableValue;

// How a bound editor shows the state of its value.
enum class TValueColour { Defined, UndefinedChoice, Undefined };

// A value editor bound to one value of a topic. Its data field (FieldName in
// the current row of DataSet) is where the value lives in its table; storing
// the value writes that field at once. Implemented by the GUI's editor.
class TValueControl {
 public:
  virtual ~TValueControl() = default;
  virtual TDataSet* DataSet() const = 0;
  virtual QString FieldName() const = 0;
  // 0: the colour follows the value's state; other tags keep their own colour.
  virtual int Tag() const = 0;
  virtual void SetValueColour(TValueColour colour) = 0;
  // The value object is being destroyed: forget it.
  virtual void DetachValue(const TVariableValue* /*value*/) {}
};
