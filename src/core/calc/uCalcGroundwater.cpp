#include "calc/uCalc.h"

#include "model/TPRA.h"

void CalcGroundwater(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttGroundwater, [](TModel& m) {
    TTopic &PE = m.PE, &AP = m.AP, &GW = m.SC;
    m.Set(PE, "KS", TFloat(LN2) / m.Get(PE, "DT50S"));
    // Annual percolation from annual precipitation, per day.
    m.Set(GW, "Q", m.Get(GW, "PR") * TFloat(0.8634) / TFloat(365) + TFloat(-0.2849 / 365));
    m.Set(GW, "X1", (m.Get(GW, "THETA") * m.Get(PE, "KS") * m.Get(GW, "DGW")) / m.Get(GW, "Q"));
    m.Set(GW, "X2",
          (m.Get(GW, "PB") * m.Get(PE, "KS") * m.Get(GW, "FOM") * m.Get(PE, "KOM") * m.Get(GW, "DGW")) /
              m.Get(GW, "Q"));
    const auto e = [&] {
      return (m.Get(GW, "A0") - m.Get(GW, "A1") * m.Get(GW, "X1")) - m.Get(GW, "A2") * m.Get(GW, "X2");
    };
    m.Set(GW, "PECGW_1KGHA", e() > 100 ? TFloat(0) : Exp(e()));
    m.Set(GW, "PECGW", m.Get(AP, "MSTACKED") * m.Get(GW, "PECGW_1KGHA") * TFloat(0.001));
    m.CalcAdiFromNoael();
    const TFloat adi = m.AdiInForce();
    if (adi != UNDEFINED_VALUE && !m.IsUndefined(GW, "BW") && !m.IsUndefined(GW, "P") &&
        !m.IsUndefined(GW, "CONSWATER") && !m.IsUndefined(GW, "PECGW")) {
      m.Set(GW, "DWS", (m.Get(GW, "BW") * adi * m.Get(GW, "P")) / m.Get(GW, "CONSWATER"));
      m.Set(GW, "ETRGW", m.Get(GW, "PECGW") / (m.Get(GW, "DWS") * TFloat(1000)));
    }
  });
}
