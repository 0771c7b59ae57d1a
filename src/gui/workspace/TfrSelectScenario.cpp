#include "workspace/TfrSelectScenario.h"

#include "app/TLookupCombo.h"
#include "app/uUtils.h"
#include "data/TDataSet.h"
#include "model/TPRA.h"
#include "workspace/TframeAssessment.h"

#include <QHBoxLayout>

TfrSelectScenario::TfrSelectScenario(QWidget* parent) : QFrame(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (auto [led, name] : {std::pair{&ledSC, "ledSC"}, {&ledAP, "ledAP"}, {&ledAI, "ledAI"}}) {
    *led = new TLed(this);
    (*led)->setObjectName(QLatin1String(name));
    layout->addWidget(*led);
  }
  lkpScen = new TLookupCombo(this);
  lkpScen->setObjectName(QStringLiteral("lkpScen"));
  layout->addWidget(lkpScen, 1);
  connect(lkpScen, &TLookupCombo::KeyChanged, this, &TfrSelectScenario::lkpScenChange);
}

void TfrSelectScenario::Setup(TPRA* pra, TTopicType area, TDataSet* scenarios) {
  PRA = pra;
  AreaType = area;
  lkpScen->SetDataSet(scenarios);
}

bool TfrSelectScenario::RefreshLeds() {
  if (!PRA) return false;
  TInputDataRec rec;
  PRA->GetInputData(AreaType, rec);
  TframeAssessment::ShowInputLamps(*ledSC, *ledAP, *ledAI, rec);
  return rec.Status > 0;
}

void TfrSelectScenario::lkpScenChange() {
  if (!PRA) return;
  TTopic* topic = PRA->GetTopic(AreaType);
  topic->ClearValues({vtAll});
  if (TDataSet* ds = lkpScen->DataSet(); ds && ds->Active() && ds->RecNo() >= 0) topic->LoadFromRow(*ds);
}
