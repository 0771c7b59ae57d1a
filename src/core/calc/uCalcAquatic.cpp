#include "calc/uCalc.h"

#include "model/TPRA.h"

#include <limits>

namespace {

void AquaticExposure(TModel& m) {
  TTopic &PE = m.PE, &AP = m.AP, &AQ = m.SC;
  m.Set(PE, "KWTREFKW", TFloat(LN2) / m.Get(PE, "DT50_SYSTEM"));
  // Arrhenius correction of the degradation rate from TREFKW to T.
  m.Set(AQ, "KWT",
        Exp((m.Get(AQ, "T") - m.Get(PE, "TREFKW")) * TFloat(54000) /
            (m.Get(PE, "TREFKW") * TFloat(8.3144) * m.Get(AQ, "T"))) *
            m.Get(PE, "KWTREFKW"));
  m.Set(AQ, "VPT",
        Exp(TFloat(-11425.959780621572) * (TFloat(1) / m.Get(AQ, "T") - TFloat(1) / m.Get(PE, "TREFP"))) *
            m.Get(PE, "VPTREF"));
  m.Set(AQ, "CSOLT",
        Exp(TFloat(-3247.3780429134995) * (TFloat(1) / m.Get(AQ, "T") - TFloat(1) / m.Get(PE, "TREFC"))) *
            m.Get(PE, "SOLTREF"));
  m.Set(AQ, "OX", m.Get(AQ, "H") * TFloat(2) * m.Get(AQ, "S1") + m.Get(AQ, "B"));
  m.Set(AQ, "A", Power(m.Get(AQ, "H"), 2) * m.Get(AQ, "S1") + m.Get(AQ, "B") * m.Get(AQ, "H"));
  m.Set(AQ, "KL", Sqrt(44) / Sqrt(m.Get(PE, "MMOL")) * TFloat(4.8));
  m.Set(AQ, "KG", Sqrt(18) / Sqrt(m.Get(PE, "MMOL")) * TFloat(720));
  m.Set(AQ, "KH",
        (m.Get(AQ, "VPT") * TFloat(0.001) * m.Get(PE, "MMOL")) /
            (m.Get(AQ, "CSOLT") * (m.Get(AQ, "T") * TFloat(8.3144))));
  m.Set(AQ, "KV",
        (m.Get(AQ, "OX") / m.Get(AQ, "A")) * TFloat(1) /
            (TFloat(1) / m.Get(AQ, "KL") + TFloat(1) / (m.Get(AQ, "KH") * m.Get(AQ, "KG"))));
  m.Set(AQ, "TRES", m.Get(AQ, "L") / m.Get(AQ, "V"));
  m.Set(AQ, "KDIL", TFloat(1) / m.Get(AQ, "TRES"));
  m.Set(AQ, "KDIS", (m.Get(AQ, "KWT") + m.Get(AQ, "KV")) + m.Get(AQ, "KDIL"));
  m.Set(AQ, "DT50", TFloat(LN2) / m.Get(AQ, "KDIS"));
  m.Set(AQ, "V1",
        (m.Get(AQ, "L") * (m.Get(AQ, "H") * (m.Get(AQ, "S1") * m.Get(AQ, "H") + m.Get(AQ, "B")))) /
            (m.Get(AQ, "L") * (TFloat(2) * m.Get(AQ, "H") * m.Get(AQ, "S1") + m.Get(AQ, "B"))));
  m.Set(AQ, "CTOT", m.Get(AP, "M") * m.Get(AP, "DRIFTDITCH") * TFloat(0.01) * TFloat(0.1) / m.Get(AQ, "V1"));
  m.Set(AQ, "PEC1WATER", m.Get(AQ, "CTOT") / (m.Get(AQ, "SS") * m.Get(AQ, "MOMSS") * m.Get(PE, "KOM") + TFloat(1)));
  const TFloat n = m.Get(AP, "N"), dt = m.Get(AP, "DT");
  if (n > 1 && dt > 0) {
    const TFloat kdis = m.Get(AQ, "KDIS");
    m.Set(AQ, "PECNWATER", m.Get(AQ, "PEC1WATER") * (TFloat(1) - Exp(-n * kdis * dt)) / (TFloat(1) - Exp(-kdis * dt)));
  } else {
    m.Set(AQ, "PECNWATER", m.Get(AQ, "PEC1WATER"));
  }
  m.Set(AQ, "TWA_F",
        CalcTWA(RoundNearest(m.Get(AP, "DT")), RoundNearest(m.Get(AP, "N")), 28, m.Get(AQ, "PEC1WATER").Value(),
                m.Get(AQ, "KDIS").Value()));
  m.Set(AQ, "TWA_D",
        CalcTWA(RoundNearest(m.Get(AP, "DT")), RoundNearest(m.Get(AP, "N")), 21, m.Get(AQ, "PEC1WATER").Value(),
                m.Get(AQ, "KDIS").Value()));
}

void AquaticEffects(TModel& m) {
  TTopic &PE = m.PE, &AQ = m.SC;
  const double infinity = std::numeric_limits<double>::infinity();
  // Acute candidates; infinity marks a group without factor or endpoint.
  const struct {
    const char* Factor;
    const char* Endpoint;
  } acute[] = {{"EF_W_A_F", "LEC50_W_F"}, {"EF_W_A_D", "LEC50_W_D"}, {"EF_W_A_A", "EC50_W_A"}};
  TFloat nec = infinity;
  for (const auto& c : acute) {
    if (m.IsUndefined(AQ, c.Factor) || m.IsUndefined(PE, c.Endpoint)) continue;
    const TFloat candidate = m.Get(AQ, c.Factor) * m.Get(PE, c.Endpoint) * TFloat(1000);
    if (candidate < nec) nec = candidate;
  }
  m.Set(AQ, "NEC_W_A", nec);
  if (!m.IsUndefined(PE, "NOEC_W_F"))
    m.Set(AQ, "NEC_W_C_F", m.Get(AQ, "EF_W_C_F") * m.Get(PE, "NOEC_W_F") * TFloat(1000));
  if (!m.IsUndefined(PE, "NOEC_W_D"))
    m.Set(AQ, "NEC_W_C_D", m.Get(AQ, "EF_W_C_D") * m.Get(PE, "NOEC_W_D") * TFloat(1000));
  m.Set(AQ, "ETRWATER_A", m.Get(AQ, "PECNWATER") / m.Get(AQ, "NEC_W_A"));
  if (!m.IsUndefined(AQ, "NEC_W_C_F") && !m.IsUndefined(AQ, "TWA_F"))
    m.Set(AQ, "ETRWATER_C_F", m.Get(AQ, "TWA_F") / m.Get(AQ, "NEC_W_C_F"));
  if (!m.IsUndefined(AQ, "NEC_W_C_D") && !m.IsUndefined(AQ, "TWA_D"))
    m.Set(AQ, "ETRWATER_C_D", m.Get(AQ, "TWA_D") / m.Get(AQ, "NEC_W_C_D"));
  // Decided by the chronic NECs, not by the chronic ETRs.
  const bool noFish = m.IsUndefined(AQ, "NEC_W_C_F"), noDaphnia = m.IsUndefined(AQ, "NEC_W_C_D");
  if (noFish && noDaphnia)
    m.Set(AQ, "ETRWATER_C", UNDEFINED_VALUE);
  else if (noFish)
    m.Set(AQ, "ETRWATER_C", m.Get(AQ, "ETRWATER_C_D"));
  else if (noDaphnia)
    m.Set(AQ, "ETRWATER_C", m.Get(AQ, "ETRWATER_C_F"));
  else
    m.Set(AQ, "ETRWATER_C", std::min(m.Get(AQ, "ETRWATER_C_F"), m.Get(AQ, "ETRWATER_C_D")));
}

} // namespace

void CalcAquatic(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttAquatic, [](TModel& m) {
    AquaticExposure(m);
    AquaticEffects(m);
  });
}
