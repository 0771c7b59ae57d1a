#include "model/TVariable.h"

#include "data/TDialogs.h"

namespace {
const char* const VarTypeTexts[] = {"INPUT", "INPHID", "INTER", "OUTPUT"};
const char* const TopicTexts[] = {"SC", "PE", "AP"};
} // namespace

QString VarTypeToStr(const TVariable& variable) {
  const int t = variable.VarType;
  if (t < vtInput || t > vtOutput) throw EZelvanError(QStringLiteral("Undefined situation 1"));
  return QLatin1String(VarTypeTexts[t]);
}

TVariableType StrToVarType(const QString& text) {
  for (int t = vtInput; t <= vtOutput; ++t)
    if (text == QLatin1String(VarTypeTexts[t])) return static_cast<TVariableType>(t);
  throw EZelvanError(QStringLiteral("Undefined situation 2"));
}

QString TopicToStr(const TVariable& variable) {
  const int t = variable.Topic;
  if (t < toScenario || t > toApplication) throw EZelvanError(QStringLiteral("Undefined situation 3"));
  return QLatin1String(TopicTexts[t]);
}

TVariableTopic StrToTopic(const QString& text) {
  for (int t = toScenario; t <= toApplication; ++t)
    if (text == QLatin1String(TopicTexts[t])) return static_cast<TVariableTopic>(t);
  throw EZelvanError(QStringLiteral("Undefined situation 4"));
}
