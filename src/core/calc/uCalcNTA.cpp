#include "calc/uCalc.h"

#include "model/TPRA.h"

namespace {
// Multiple-application factor by the rounded number of applications; 3.5 for
// anything outside 1..8.
double MultipleApplicationFactor(int n) {
  static const double Table[] = {1.0, 1.7, 2.3, 2.7, 3.0, 3.2, 3.4, 3.5};
  return n >= 1 && n <= 8 ? Table[n - 1] : 3.5;
}
} // namespace

void CalcNTA(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttNTA, [](TModel& m) {
    TTopic &PE = m.PE, &AP = m.AP, &NT = m.SC;
    m.Set(AP, "MAF", MultipleApplicationFactor(RoundNearest(m.Get(AP, "N"))));
    m.Set(NT, "PECNTA_IF", m.Get(AP, "M") * m.Get(AP, "MAF"));
    m.Set(NT, "PECNTA_OF",
          (m.Get(AP, "DRIFT") * TFloat(0.01) * (m.Get(AP, "MAF") * m.Get(AP, "M"))) / m.Get(NT, "VEG"));
    if (!m.IsUndefined(PE, "LR50_T_NTA") && !m.IsUndefined(NT, "EF_NTA"))
      m.Set(NT, "AECNTA", m.Get(NT, "EF_NTA") * m.Get(PE, "LR50_T_NTA"));
    // A zero no-effect rate leaves the ratios unwritten rather than faulting.
    const auto aecUsable = [&] { return !m.IsUndefined(NT, "AECNTA") && m.Get(NT, "AECNTA") != 0; };
    if (!m.IsUndefined(NT, "PECNTA_IF") && aecUsable())
      m.Set(NT, "ETRNTA_IF", m.Get(NT, "PECNTA_IF") / m.Get(NT, "AECNTA"));
    if (!m.IsUndefined(NT, "PECNTA_OF") && aecUsable())
      m.Set(NT, "ETRNTA_OF", m.Get(NT, "PECNTA_OF") / m.Get(NT, "AECNTA"));
  });
}
