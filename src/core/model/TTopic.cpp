#include "model/TTopic.h"

#include "data/TDataSet.h"
#include "data/TDialogs.h"
#include "data/Tdm.h"
#include "model/TPRA.h"
#include "model/TVariableList.h"

namespace {
const QString SupportLine = QStringLiteral("Please report this to the Zelvan support team at support@zelvan.example.");
}

TTopic::TTopic(TPRA* pra, const TVariableList& catalogue, TTopicType topicType) : PRA(pra), TopicType(topicType) {
  const int topic = TopicTypeToVariableTopic(topicType);
  for (const TVariable* v : catalogue.Items()) {
    if (v->Topic != topic) continue;
    if (topic == toScenario && !v->Required.Contains(topicType)) continue;
    Values.push_back(std::make_unique<TVariableValue>(v));
  }
  Count = static_cast<int>(Values.size());
}

TVariableValue* TTopic::FindValue(const QString& name) const {
  for (const auto& v : Values)
    if (v->Variable->Name == name) return v.get();
  return nullptr;
}

double TTopic::GetValue(const QString& name) {
  const TVariableValue* v = FindValue(name);
  if (!v) {
    const QString text =
        QStringLiteral("GetValue: Variable %1 not defined as part of \"%2\".").arg(name, TopicTypeToName(TopicType));
    ShowError(text + QStringLiteral("\n\r") + SupportLine);
    AddMessage(text);
    return UNDEFINED_VALUE;
  }
  if (v->Value == UNDEFINED_VALUE) {
    AddMessage(
        QStringLiteral("GetValue: No value defined for %1, part of \"%2\".").arg(name, TopicTypeToName(TopicType)));
    return UNDEFINED_VALUE;
  }
  return v->Value;
}

void TTopic::SetValue(const QString& name, double value) {
  if (TVariableValue* v = FindValue(name)) {
    v->StoreValue(value);
    return;
  }
  AddMessage(
      QStringLiteral("SetValue: Variable %1 not defined as part of \"%2\".").arg(name, TopicTypeToName(TopicType)));
}

bool TTopic::IsUndefined(const QString& name) const {
  const TVariableValue* v = FindValue(name);
  return !v || v->Value == UNDEFINED_VALUE;
}

void TTopic::ClearValues(const TVariableTypeSet& types) {
  for (const auto& v : Values)
    if (types.Contains(vtAll) || types.Contains(v->Variable->VarType)) v->StoreValue(UNDEFINED_VALUE);
}

void TTopic::FillValues(const TDataSet& dataset) {
  for (const auto& v : Values) {
    const TVariable* var = v->Variable;
    const int column = dataset.FieldIndex(var->Name);
    if (column < 0) continue;
    const QVariant content = dataset.Value(column);
    if (var->HasConstant() && content.toDouble() != var->Constant) {
      v->StoreValue(var->Constant);
    } else if (content.isNull()) {
      v->StoreValue(var->HasDefault() ? var->Default : UNDEFINED_VALUE);
    } else {
      v->StoreValue(content.toDouble());
    }
  }
}

void TTopic::LoadFromRow(const TDataSet& dataset) {
  Name = dataset.AsString(QStringLiteral("name"));
  Descr = dataset.AsString(QStringLiteral("descr"));
  FillValues(dataset);
  if (IsAreaTopicType(TopicType) && PRA) PRA->SetTopicId(TopicType, dataset.AsInteger(QStringLiteral("id")));
}

bool TTopic::LoadById(int id) {
  TDataSet* ds = dm().GetLoadDataSet(TopicType);
  if (!ds) return false;
  if (!ds->Active()) ds->Open();
  if (!ds->Locate(QStringLiteral("id"), id)) return false;
  Name = ds->AsString(QStringLiteral("name"));
  Descr = ds->AsString(QStringLiteral("descr"));
  FillValues(*ds);
  return true;
}
