#include "calc/uCalc.h"

#include "model/TPRA.h"

TModel::TModel(TPRA& pra, TTopic& scenario)
    : PRA(pra), PE(*pra.PesticideTopic), AP(*pra.ApplicationTopic), SC(scenario) {}

void TModel::CalcAdiFromNoael() {
  if (!IsUndefined(PE, "NOAEL_T_M") && !IsUndefined(PE, "EF_M"))
    Set(PE, "ADI_CALC", Get(PE, "NOAEL_T_M") / Get(PE, "EF_M"));
}

TFloat TModel::AdiInForce() {
  if (!IsUndefined(PE, "ADI")) return Get(PE, "ADI");
  if (!IsUndefined(PE, "ADI_CALC")) return Get(PE, "ADI_CALC");
  return UNDEFINED_VALUE;
}

std::uint8_t RiskClassOf(double etr) {
  if (etr < 1) return 1;
  if (etr <= 100) return 2;
  return 3;
}

TResultNames ResultNames(int area) {
  switch (area) {
  case ttAquatic:
    return {"ETRWATER_A", "ETRWATER_C"};
  case ttTerrestrial:
    return {"ETRSOIL_A", "ETRSOIL_C"};
  case ttGroundwater:
    return {"ETRGW", nullptr};
  case ttDietary:
    return {"ETRDIET", nullptr};
  case ttBees:
    return {"ETRBEE", nullptr};
  case ttNTA:
    return {"ETRNTA_IF", "ETRNTA_OF"};
  default:
    return {nullptr, nullptr};
  }
}

void RunModel(TPRA& pra, TCalcResultRec& result, TTopicType area, const std::function<void(TModel&)>& formulas) {
  const TResultNames etr = ResultNames(area);
  TTopic& scenario = *pra.GetAssessment(area)->Scenario;
  TModel model(pra, scenario);
  result.RiskClass1 = 0;
  result.RiskClass2 = 0;
  try {
    scenario.ClearMessages();
    model.PE.ClearMessages();
    model.AP.ClearMessages();
    formulas(model);
  } catch (const EZelvanError& e) {
    scenario.AddMessage(e.Message());
  } catch (const std::exception& e) {
    scenario.AddMessage(QString::fromLocal8Bit(e.what()));
  }
  result.RiskClass1 = RiskClassOf(scenario.GetValue(QLatin1String(etr.Etr1)));
  if (etr.Etr2) result.RiskClass2 = RiskClassOf(scenario.GetValue(QLatin1String(etr.Etr2)));
  result.PesticideMessages = &model.PE.Messages;
  result.ApplicationMessages = &model.AP.Messages;
  result.ScenarioMessages = &scenario.Messages;
  for (const auto& v : scenario.Values)
    DeriveValues(pra, v->Variable->Name, false);
}
