#pragma once

#include "model/TTopicType.h"

#include <QFrame>

class TLed;
class TLookupCombo;
class TDataSet;
class TPRA;

// A one-line scenario choice for one area of a PRA of its own: three
// completeness lamps and the scenario list.
class TfrSelectScenario : public QFrame {
  Q_OBJECT
 public:
  explicit TfrSelectScenario(QWidget* parent = nullptr);
  void Setup(TPRA* pra, TTopicType area, TDataSet* scenarios);
  TPRA* PRA = nullptr;
  TTopicType AreaType = ttAquatic;
  TLed *ledSC, *ledAP, *ledAI;
  TLookupCombo* lkpScen;
  // Lamps from the PRA's completeness; true when the inputs are sufficient.
  bool RefreshLeds();
  // Clears the area's topic and loads the chosen scenario into it.
  void lkpScenChange();
};
