#include "calc/uCalc.h"

#include "model/TPRA.h"

namespace {

void Derive(TPRA& pra, const QString& name) {
  TTopic& PE = *pra.PesticideTopic;
  TTopic& DI = *pra.Dietary->Scenario;
  const auto defined = [](TTopic& t, const char* n) { return !t.IsUndefined(QLatin1String(n)); };
  const auto get = [](TTopic& t, const char* n) { return TFloat(t.GetValue(QLatin1String(n))); };
  const auto set = [](TTopic& t, const char* n, TFloat v) { t.SetValue(QLatin1String(n), v.Value()); };

  if (name == QLatin1String("KOM")) {
    if (defined(PE, "KOM")) set(PE, "KOC", get(PE, "KOM") * TFloat(1.724));
  } else if (name == QLatin1String("KOC")) {
    if (defined(PE, "KOC")) set(PE, "KOM", get(PE, "KOC") / TFloat(1.724));
  } else if (name == QLatin1String("NOAEL_T_M")) {
    if (!defined(PE, "ADI_CALC") && defined(PE, "NOAEL_T_M") && defined(PE, "EF_M"))
      set(PE, "ADI_CALC", get(PE, "NOAEL_T_M") / get(PE, "EF_M"));
  } else if (name == QLatin1String("EF_M")) {
    if (!defined(PE, "ADI_CALC") && defined(PE, "EF_M") && defined(PE, "NOAEL_T_M"))
      set(PE, "ADI_CALC", get(PE, "NOAEL_T_M") / get(PE, "EF_M"));
  } else if (name == QLatin1String("DT50S")) {
    if (defined(PE, "DT50S")) set(PE, "KS", TFloat(LN2) / get(PE, "DT50S"));
  } else if (name == QLatin1String("KS")) {
    if (defined(PE, "KS")) set(PE, "DT50S", TFloat(LN2) / get(PE, "KS"));
  } else if (name == QLatin1String("PECGW")) {
    TTopic& GW = *pra.Groundwater->Scenario;
    set(DI, "PECGW_GW", defined(GW, "PECGW") ? get(GW, "PECGW") : TFloat(UNDEFINED_VALUE));
  } else if (name == QLatin1String("PECNWATER")) {
    TTopic& AQ = *pra.Aquatic->Scenario;
    set(DI, "PECNWATER_AQ", defined(AQ, "PECNWATER") ? get(AQ, "PECNWATER") : TFloat(UNDEFINED_VALUE));
  }
}

} // namespace

void DeriveValues(TPRA& pra, const QString& name, bool clearMessages) {
  try {
    if (clearMessages)
      for (TTopic* t : {pra.Aquatic->Scenario.get(), pra.Groundwater->Scenario.get(), pra.Terrestrial->Scenario.get(),
                        pra.Dietary->Scenario.get(), pra.PesticideTopic.get(), pra.ApplicationTopic.get()})
        t->ClearMessages();
    Derive(pra, name);
  } catch (const std::exception&) {
    // A fault (a zero half-life, say) leaves the target as it was, silently.
  }
}
