#include "calc/uCalc.h"

#include "model/TPRA.h"

void CalcBees(TPRA& pra, TCalcResultRec& result) {
  RunModel(pra, result, ttBees, [](TModel& m) {
    TTopic &PE = m.PE, &AP = m.AP, &BE = m.SC;
    m.Set(BE, "PECBEE", m.Get(AP, "M"));
    m.Set(BE, "NECBEE", m.Get(PE, "LD50_T_BEE") * m.Get(BE, "EF_B"));
    m.Set(BE, "ETRBEE", m.Get(BE, "PECBEE") / m.Get(BE, "NECBEE"));
  });
}
