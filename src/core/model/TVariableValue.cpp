#include "model/TVariableValue.h"

#include "data/TDataSet.h"
#include "data/TDialogs.h"
#include "model/TValueControl.h"

TVariableValue::TVariableValue(const TVariable* variable)
    : Variable(variable), Value(variable->HasConstant()  ? variable->Constant
                                : variable->HasDefault() ? variable->Default
                                                         : UNDEFINED_VALUE),
      Defined(Value != UNDEFINED_VALUE) {}

TVariableValue::~TVariableValue() {
  for (TValueControl* control : Controls)
    control->DetachValue(this);
}

void TVariableValue::AttachControl(TValueControl* control) {
  Controls.append(control);
}

void TVariableValue::DetachControl(TValueControl* control) {
  Controls.removeAll(control);
}

void TVariableValue::StoreValue(double x) {
  if (Controls.isEmpty()) {
    Value = Variable->HasConstant() ? Variable->Constant : x;
    Defined = Value != UNDEFINED_VALUE;
    return;
  }
  TValueControl* first = Controls.first();
  TDataSet* ds = first->DataSet();
  const QString field = first->FieldName();
  const auto fieldIsNull = [&] {
    return !ds || !ds->Active() || ds->RecNo() < 0 || !ds->HasField(field) || ds->IsNull(field);
  };

  Value = Variable->HasConstant() ? Variable->Constant : x;
  if (Variable->HasDefault() && fieldIsNull()) Value = Variable->Default;
  try {
    if (!ds) throw EDatabaseError(QStringLiteral("Value editor has no dataset"));
    if (Value != UNDEFINED_VALUE) {
      if (fieldIsNull() || ds->AsFloat(field) != Value) {
        ds->Edit();
        ds->SetValue(field, Value);
        ds->Post();
      }
    } else {
      ds->Edit();
      ds->SetValue(field, QVariant());
      ds->Post();
    }
  } catch (const EDatabaseError&) {
    if (ds) ds->Cancel();
  }
  Defined = !fieldIsNull();

  const TValueColour colour = Defined                  ? TValueColour::Defined
                              : Variable->ChoiceId > 0 ? TValueColour::UndefinedChoice
                                                       : TValueColour::Undefined;
  for (TValueControl* control : Controls)
    if (control->Tag() == 0) control->SetValueColour(colour);
}
