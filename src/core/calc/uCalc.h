#pragma once

#include "calc/TFloat.h"
#include "model/TCalcRecords.h"
#include "model/TTopic.h"

#include <functional>

class TPRA;

// The six model routines. Each reads its inputs by name from the PRA's
// pesticide, application and own scenario topic, writes every result back by
// name, fills `result` (message lists and risk classes) and finally runs
// DeriveValues for every variable of its scenario topic.
void CalcAquatic(TPRA& pra, TCalcResultRec& result);
void CalcTerrestrial(TPRA& pra, TCalcResultRec& result);
void CalcBees(TPRA& pra, TCalcResultRec& result);
void CalcNTA(TPRA& pra, TCalcResultRec& result);
void CalcGroundwater(TPRA& pra, TCalcResultRec& result);
void CalcDietary(TPRA& pra, TCalcResultRec& result);

// Time-weighted average concentration over a window of `window` days for
// `count` applications `interval` days apart, each raising the concentration
// by c1, with first-order dissipation k (per day). -9999 on an arithmetic fault.
double CalcTWA(int interval, int count, int window, double c1, double k);

// Recomputes the values that follow from the named variable (KOM <-> KOC,
// DT50S <-> KS, ADI_CALC, and the concentrations the dietary scenario copies).
// Empties the message lists of the pesticide, application and aquatic,
// terrestrial, groundwater and dietary topics first, unless a model calls it:
// a model's own messages (an arithmetic fault above all) must survive its run
// and the runs after it. Raises nothing.
void DeriveValues(TPRA& pra, const QString& name, bool clearMessages = true);

// The variables of an area's first and second result (the second is nullptr
// for areas with one result); both nullptr outside 0..5.
struct TResultNames {
  const char* Etr1;
  const char* Etr2;
};
TResultNames ResultNames(int area);

// Risk class of an ETR: 1 below 1, 2 from 1 to 100 inclusive, 3 above 100.
std::uint8_t RiskClassOf(double etr);

// What a model routine's formulas work on: the three topics, with reads and
// writes by name in checked arithmetic.
class TModel {
 public:
  TModel(TPRA& pra, TTopic& scenario);
  TPRA& PRA;
  TTopic& PE;
  TTopic& AP;
  TTopic& SC;

  TFloat Get(TTopic& topic, const char* name) { return topic.GetValue(QLatin1String(name)); }
  void Set(TTopic& topic, const char* name, TFloat value) { topic.SetValue(QLatin1String(name), value.Value()); }
  bool IsUndefined(TTopic& topic, const char* name) { return topic.IsUndefined(QLatin1String(name)); }

  // ADI_CALC := NOAEL_T_M / EF_M when both are defined.
  void CalcAdiFromNoael();
  // The given ADI, else ADI_CALC, else -9999.
  TFloat AdiInForce();
};

// The frame every model routine shares: messages cleared, formulas run with
// any fault turned into a message of the scenario topic, risk classes from
// the area's result variables, message lists handed over, and the pass over
// derived values.
void RunModel(TPRA& pra, TCalcResultRec& result, TTopicType area, const std::function<void(TModel&)>& formulas);
