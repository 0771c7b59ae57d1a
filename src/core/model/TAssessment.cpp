#include "model/TAssessment.h"

#include "calc/uCalc.h"
#include "data/TDialogs.h"
#include "model/TPRA.h"

TCountRec CountValues(const std::vector<TVariableValue*>& values, int area) {
  TCountRec rec;
  for (const TVariableValue* v : values) {
    const TVariable* var = v->Variable;
    if ((var->VarType != vtInput && var->VarType != vtInpHid) || !var->Required.Contains(area)) continue;
    bool alternative = false;
    if (var->HasChoice()) {
      for (const TVariableValue* other : values)
        if (other != v && other->Variable->ChoiceId == var->ChoiceId && other->Defined) {
          alternative = true;
          break;
        }
    }
    ++rec.Total;
    if (v->Defined || alternative)
      ++rec.Filled;
    else if (var->OptionId > 0)
      ++rec.Optional;
    else
      rec.Missing += QLatin1Char(' ') + var->Name;
  }
  rec.Status = rec.Total == rec.Filled ? 1 : rec.Total == rec.Filled + rec.Optional ? 2 : 0;
  return rec;
}

namespace {
std::vector<TVariableValue*> ValuesRequiredBy(const TTopic& topic, int area) {
  std::vector<TVariableValue*> result;
  for (const auto& v : topic.Values)
    if (v->Variable->Required.Contains(area)) result.push_back(v.get());
  return result;
}
} // namespace

TAssessment::TAssessment(TPRA* pra, TTopicType area, const TVariableList& catalogue, TTopic* pesticideTopic,
                         TTopic* applicationTopic)
    : PRA(pra), TopicType(area), PesticideValues(ValuesRequiredBy(*pesticideTopic, area)),
      ApplicationValues(ValuesRequiredBy(*applicationTopic, area)),
      Scenario(std::make_unique<TTopic>(pra, catalogue, area)),
      PesticideCount(static_cast<int>(PesticideValues.size())),
      ApplicationCount(static_cast<int>(ApplicationValues.size())), ScenarioCount(Scenario->Count) {}

void TAssessment::GetInputData(TInputDataRec& rec) const {
  std::vector<TVariableValue*> scenarioValues;
  for (const auto& v : Scenario->Values)
    scenarioValues.push_back(v.get());
  rec.Pesticide = CountValues(PesticideValues, TopicType);
  rec.Application = CountValues(ApplicationValues, TopicType);
  rec.Scenario = CountValues(scenarioValues, TopicType);
  const bool restComplete =
      rec.Application.Filled == rec.Application.Total && rec.Scenario.Filled == rec.Scenario.Total;
  if (restComplete && rec.Pesticide.Filled == rec.Pesticide.Total)
    rec.Status = 1;
  else if (restComplete && rec.Pesticide.Filled + rec.Pesticide.Optional == rec.Pesticide.Total)
    rec.Status = 2;
  else
    rec.Status = 0;
}

TCalcResultRec TAssessment::Calculate() {
  TCalcResultRec rec;
  switch (TopicType) {
  case ttAquatic:
    CalcAquatic(*PRA, rec);
    break;
  case ttTerrestrial:
    CalcTerrestrial(*PRA, rec);
    break;
  case ttGroundwater:
    CalcGroundwater(*PRA, rec);
    break;
  case ttDietary:
    CalcDietary(*PRA, rec);
    break;
  case ttBees:
    CalcBees(*PRA, rec);
    break;
  case ttNTA:
    CalcNTA(*PRA, rec);
    break;
  default:
    ShowError(QStringLiteral("error: function TAssessment.Calculate: TCalcResultRec;"));
  }
  Result = rec;
  return rec;
}
