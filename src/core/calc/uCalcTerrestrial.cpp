#include "calc/uCalc.h"

#include "model/TPRA.h"

void CalcTerrestrial(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttTerrestrial, [](TModel& m) {
    TTopic &PE = m.PE, &AP = m.AP, &TE = m.SC;
    m.Set(TE, "CSOIL", (m.Get(AP, "M") * TFloat(0.1)) / m.Get(TE, "DEPTHF"));
    m.Set(TE, "PEC1SOIL", m.Get(TE, "CSOIL") / (m.Get(TE, "PB") * TFloat(1000)));
    m.Set(PE, "KS", TFloat(LN2) / m.Get(PE, "DT50S"));
    const TFloat n = m.Get(AP, "N"), dt = m.Get(AP, "DT");
    if (n > 1 && dt > 0) {
      const TFloat ks = m.Get(PE, "KS");
      m.Set(TE, "PECNSOIL", (TFloat(1) - Exp(-n * ks * dt)) / (TFloat(1) - Exp(-ks * dt)) * m.Get(TE, "PEC1SOIL"));
    } else {
      m.Set(TE, "PECNSOIL", m.Get(TE, "PEC1SOIL"));
    }
    if (!m.IsUndefined(PE, "LC50_T_E") && !m.IsUndefined(TE, "EF_S_A"))
      m.Set(TE, "NECSOIL_A", m.Get(TE, "EF_S_A") * m.Get(PE, "LC50_T_E"));
    if (!m.IsUndefined(PE, "NOEC_T_E") && !m.IsUndefined(TE, "EF_S_C"))
      m.Set(TE, "NECSOIL_C", m.Get(TE, "EF_S_C") * m.Get(PE, "NOEC_T_E"));
    if (!m.IsUndefined(TE, "PECNSOIL") && !m.IsUndefined(TE, "NECSOIL_A"))
      m.Set(TE, "ETRSOIL_A", m.Get(TE, "PECNSOIL") / m.Get(TE, "NECSOIL_A"));
    if (!m.IsUndefined(TE, "PECNSOIL") && !m.IsUndefined(TE, "NECSOIL_C"))
      m.Set(TE, "ETRSOIL_C", m.Get(TE, "PECNSOIL") / m.Get(TE, "NECSOIL_C"));
  });
}
