#include "calc/uCalc.h"

#include "model/TPRA.h"

void CalcDietary(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttDietary, [&pra](TModel& m) {
    TTopic &PE = m.PE, &DI = m.SC;
    TTopic& AQ = *pra.Aquatic->Scenario;
    // A user value takes precedence over the one copied from the other area.
    DeriveValues(pra, QStringLiteral("PECGW"), false);
    const TFloat cgw = m.IsUndefined(DI, "PECGW_U") ? m.Get(DI, "PECGW_GW") : m.Get(DI, "PECGW_U");
    DeriveValues(pra, QStringLiteral("PECNWATER"), false);
    const TFloat csw = m.IsUndefined(DI, "PECNWATER_U") ? m.Get(DI, "PECNWATER_AQ") : m.Get(DI, "PECNWATER_U");
    m.Set(DI, "EDIDW", (m.Get(DI, "CONSWATER") * cgw) / (m.Get(DI, "BW") * TFloat(1000)));
    m.Set(DI, "BCF", Power(10, m.Get(PE, "LOGKOW") * TFloat(0.85) - TFloat(0.7)));
    m.Set(DI, "PECF", m.Get(DI, "BCF") * csw / TFloat(1000));
    m.Set(DI, "EDIF", (m.Get(DI, "CFISH") * m.Get(DI, "PECF")) / m.Get(DI, "BW"));
    m.Set(DI, "CSOLT", m.IsUndefined(AQ, "CSOLT") ? m.Get(PE, "SOLTREF") : m.Get(AQ, "CSOLT"));
    m.Set(DI, "KD", std::max(TFloat(0), TFloat(3.2) - Log10(m.Get(DI, "CSOLT")) * TFloat(0.65)));
    m.Set(DI, "PECMF", m.Get(DI, "KD") * csw / TFloat(1000));
    m.Set(DI, "EDIMF", (m.Get(DI, "CMF") * m.Get(DI, "PECMF")) / m.Get(DI, "BW"));
    m.Set(DI, "EDIVEGIT", (m.Get(DI, "CVEGIT") * m.Get(DI, "PECVEGIT")) / m.Get(DI, "BW"));
    m.Set(DI, "EDIVEG", m.Get(DI, "EDIVEGIT"));
    m.Set(DI, "EDI", ((m.Get(DI, "EDIDW") + m.Get(DI, "EDIF")) + m.Get(DI, "EDIMF")) + m.Get(DI, "EDIVEG"));
    m.CalcAdiFromNoael();
    const TFloat adi = m.AdiInForce();
    if (!m.IsUndefined(DI, "EDI") && adi != UNDEFINED_VALUE) m.Set(DI, "ETRDIET", m.Get(DI, "EDI") / adi);
  });
}
