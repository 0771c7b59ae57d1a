#include "workspace/TWorkspace.h"

#include "app/TLookupCombo.h"
#include "app/TfrmMain.h"
#include "data/TDataSet.h"
#include "data/TDialogs.h"
#include "data/TManager.h"
#include "data/TPRALoader.h"
#include "data/Tdm.h"
#include "workspace/TframeAssessment.h"
#include "workspace/TframeManageItem.h"
#include "workspace/TframeSubTopicData.h"
#include "workspace/TframeVariableData.h"
#include "workspace/TfrmEditItem.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace {

// The areas visited for one variable, by its topic.
const TTopicType ScenarioOrder[] = {ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary};
const TTopicType PesticideOrder[] = {ttAquatic, ttBees, ttTerrestrial, ttNTA, ttGroundwater, ttDietary};
const TTopicType ApplicationOrder[] = {ttAquatic, ttTerrestrial, ttNTA, ttBees, ttGroundwater, ttDietary};

const char* ItemFrameName(int topicType) {
  switch (topicType) {
  case ttPesticide:
    return "frameManageItemAI";
  case ttApplication:
    return "frameManageItemApplication";
  case ttAquatic:
    return "frameManageItemAquatic";
  case ttTerrestrial:
    return "frameManageItemTerrestrial";
  case ttBees:
    return "frameManageItemBees";
  case ttNTA:
    return "frameManageItemNTA";
  case ttGroundwater:
    return "frameManageItemGroundwater";
  default:
    return "frameManageItemDietary";
  }
}

} // namespace

TWorkspace::TWorkspace(TfrmMain& window, Tdm& data, TManager& manager)
    : QObject(&window), w_(window), data_(data), manager_(manager) {
  EditItemDialog = new TfrmEditItem(&window);
  frameManagePRA = window.findChild<TframeManageItem*>(QStringLiteral("frameManagePRA"));
  for (const char* name : {"frameAssessmentAquatic", "frameAssessmentTerrestrial", "frameAssessmentBees",
                           "frameAssessmentNTA", "frameAssessmentGroundwater", "frameAssessmentDietary"})
    AssessmentFrames.push_back(window.findChild<TframeAssessment*>(QLatin1String(name)));
  edtPECGW_gw = window.findChild<QLineEdit*>(QStringLiteral("edtPECGW_gw"));
  edtPECnwater_aq = window.findChild<QLineEdit*>(QStringLiteral("edtPECnwater_aq"));

  // Home-page lookups.
  for (int t : {ttPesticide, ttApplication, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary}) {
    connect(HomeLookup(t), &TLookupCombo::KeyChanged, this,
            [this, t] { lkpSelectionChange(data_.GetDataSource(t), t); });
  }
}

QWidget* TWorkspace::Box(const char* name) const {
  return w_.findChild<QWidget*>(QLatin1String(name));
}

QWidget* TWorkspace::BoxFor(int topic, int area) const {
  static const char* const Scenario[] = {"AQ_box", "TE_box", "GW_box", "DI_box", "BE_box", "NT_box"};
  static const char* const Pesticide[] = {"PE_box_left",  "PE_box_right", "PE_box_right",
                                          "PE_box_right", "PE_box_left",  "PE_box_right"};
  static const char* const Application[] = {"AP_box_left",  "AP_box_left",  "AP_box_right",
                                            "AP_box_right", "AP_box_right", "AP_box_right"};
  if (area < 0 || area >= AREA_COUNT) return nullptr;
  switch (topic) {
  case toScenario:
    return Box(Scenario[area]);
  case toPesticide:
    return Box(Pesticide[area]);
  default:
    return Box(Application[area]);
  }
}

TLookupCombo* TWorkspace::HomeLookup(int topicType) const {
  static const char* const Names[] = {"lkpAQ", "lkpTE", "lkpGW", "lkpDI", "lkpBE", "lkpNT", "lkpAI", "lkpAP"};
  return topicType >= 0 && topicType < TOPIC_TYPE_COUNT ? w_.findChild<TLookupCombo*>(QLatin1String(Names[topicType]))
                                                        : nullptr;
}

TframeManageItem* TWorkspace::ItemFrame(int topicType) const {
  return w_.findChild<TframeManageItem*>(QLatin1String(ItemFrameName(topicType)));
}

TframeAssessment* TWorkspace::AssessmentFrame(int area) const {
  for (TframeAssessment* f : AssessmentFrames)
    if (f->AssessmentType == area) return f;
  return nullptr;
}

void TWorkspace::SetupFrames() {
  const struct {
    int Area;
    const char* Title;
    QAction* Action;
  } areas[] = {{ttAquatic, "Aquatic", w_.actPageAquatic},
               {ttTerrestrial, "Terrestrial", w_.actPageTerrestrial},
               {ttBees, "Bees", w_.actPageBees},
               {ttNTA, "NTA", w_.actPageNTA},
               {ttGroundwater, "Groundwater", w_.actPageGroundwater},
               {ttDietary, "Dietary", w_.actPageDietary}};
  for (size_t i = 0; i < AssessmentFrames.size(); ++i) {
    TframeAssessment* f = AssessmentFrames[i];
    f->Setup(static_cast<TTopicType>(areas[i].Area), QLatin1String(areas[i].Title), areas[i].Action, &manager_);
    f->ShowItem = [this](int topicType, int id) {
      // The lamps lead to the page where the input is edited, on the item in use.
      static const std::pair<int, QAction * TfrmMain::*> pages[] = {{ttPesticide, &TfrmMain::actPagePesticide},
                                                                    {ttApplication, &TfrmMain::actPageApplication},
                                                                    {ttAquatic, &TfrmMain::actPageAquatic},
                                                                    {ttTerrestrial, &TfrmMain::actPageTerrestrial},
                                                                    {ttBees, &TfrmMain::actPageBees},
                                                                    {ttNTA, &TfrmMain::actPageNTA},
                                                                    {ttGroundwater, &TfrmMain::actPageGroundwater},
                                                                    {ttDietary, &TfrmMain::actPageDietary}};
      for (const auto& [t, action] : pages)
        if (t == topicType) (w_.*action)->trigger();
      ItemFrame(topicType)->SelectItemById(id);
    };
    f->ShowResults = [this](int area) { ShowResults(area); };
  }

  frameManagePRA->Setup(data_.aqryPRA, 8, &manager_, EditItemDialog, QStringLiteral("New PRA"),
                        QStringLiteral("Edit PRA"), QStringLiteral("PRA :"), QStringLiteral("Description :"));
  frameManagePRA->OnChange = [this] { frameManagePRAdbLkpChange(); };
  const struct {
    int Topic;
    const char* New;
    const char* Edit;
    const char* Name;
  } items[] = {{ttPesticide, "New Pesticide", "Edit Pesticide", "Pesticide :"},
               {ttApplication, "New Application", "Edit Application", "Application :"},
               {ttAquatic, "New Scenario", "Edit Scenario", "Scenario :"},
               {ttTerrestrial, "New Scenario", "Edit Scenario", "Scenario :"},
               {ttBees, "New Scenario", "Edit Scenario", "Scenario :"},
               {ttNTA, "New Scenario", "Edit Scenario", "Scenario :"},
               {ttGroundwater, "New Scenario", "Edit Scenario", "Scenario :"},
               {ttDietary, "New Scenario", "Edit Scenario", "Scenario :"}};
  for (const auto& i : items)
    ItemFrame(i.Topic)->Setup(data_.GetDataSource(i.Topic), i.Topic, &manager_, EditItemDialog, QLatin1String(i.New),
                              QLatin1String(i.Edit), QLatin1String(i.Name), QStringLiteral("Description :"));
}

// ---------------------------------------------------------------- value editors

TframeVariableData* TWorkspace::FindVariableFrame(QWidget* group, const QString& name) {
  return group->findChild<TframeVariableData*>(name, Qt::FindDirectChildrenOnly);
}

TframeSubTopicData* TWorkspace::FindOrCreateSubTopicFrame(int topic, TTopicType area, QWidget* box,
                                                          const TVariable& variable) {
  const QString name =
      QStringLiteral("frame%1_%2_%3").arg(VarTypeToStr(variable), TopicToStr(variable), TopicTypeToCode(area));
  if (auto* found = box->findChild<TframeSubTopicData*>(name, Qt::FindDirectChildrenOnly)) return found;
  auto* group = new TframeSubTopicData(box);
  group->AreaType = area;
  group->setObjectName(name);
  group->lblTitle->setText(topic == toScenario ? QStringLiteral("Scenario") : TopicTypeToName(area));
  // Groups stack in the order they are made, above the box's closing stretch.
  auto* layout = static_cast<QVBoxLayout*>(box->layout());
  layout->insertWidget(layout->count() - 1, group);
  group->show();
  group->ItemCount = 0;
  return group;
}

std::vector<TframeSubTopicData*> TWorkspace::CollectSubTopicFrames(const TVariable& variable) {
  std::vector<TframeSubTopicData*> groups;
  if (variable.VarType != vtInput) return groups;
  const TTopicType* order = variable.Topic == toScenario    ? ScenarioOrder
                            : variable.Topic == toPesticide ? PesticideOrder
                                                            : ApplicationOrder;
  for (int i = 0; i < AREA_COUNT; ++i) {
    const TTopicType area = order[i];
    if (!variable.Required.Contains(area)) continue;
    if (QWidget* box = BoxFor(variable.Topic, area))
      groups.push_back(FindOrCreateSubTopicFrame(variable.Topic, area, box, variable));
  }
  return groups;
}

void TWorkspace::BuildVariableFrames() {
  if (!manager_.Service) return;
  for (const TVariable* variable : manager_.Service->VariableList.Items()) {
    if (variable->VarType != vtInput) continue;
    for (TframeSubTopicData* group : CollectSubTopicFrames(*variable)) {
      const QString name = QStringLiteral("frameVariable_") + variable->Name;
      TframeVariableData* editor = FindVariableFrame(group, name);
      if (!editor) {
        editor = new TframeVariableData(group);
        editor->setObjectName(name);
        group->AddEditor(editor);
        editor->show();
      }
      TDataSet* dataset = variable->Topic == toPesticide     ? data_.aqryAI
                          : variable->Topic == toApplication ? data_.aqryAP
                                                             : data_.GetDataSource(group->AreaType);
      editor->LoadVariable(variable, dataset);
      editor->PRA = manager_.EditPRA.get();
    }
  }
}

void TWorkspace::BindValue(TVariableValue* value, QWidget* control) {
  for (QObject* child : control->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget) continue;
    if (auto* editor = qobject_cast<TframeVariableData*>(widget)) {
      if (editor->Variable == value->Variable) editor->BindValue(value);
    } else if (!widget->children().isEmpty()) {
      BindValue(value, widget);
    }
  }
}

void TWorkspace::BindValues(const std::vector<TVariableValue*>& values, QWidget* box) {
  if (!box) return;
  for (TVariableValue* v : values)
    BindValue(v, box);
}

void TWorkspace::BindVariableFrames(TPRA* pra) {
  if (!pra) {
    ShowError(QStringLiteral("error: PRA not initiated"));
    return;
  }
  const struct {
    TAssessment* Assessment;
    const char *Scenario, *Pesticide, *Application;
  } rows[] = {{pra->Aquatic.get(), "AQ_box", "PE_box_left", "AP_box_left"},
              {pra->Terrestrial.get(), "TE_box", "PE_box_right", "AP_box_left"},
              {pra->Bees.get(), "BE_box", "PE_box_left", "AP_box_right"},
              {pra->NTA.get(), "NT_box", "PE_box_right", "AP_box_right"},
              {pra->Groundwater.get(), "GW_box", "PE_box_right", "AP_box_right"},
              {pra->Dietary.get(), "DI_box", "PE_box_right", "AP_box_right"}};
  for (const auto& r : rows) {
    std::vector<TVariableValue*> scenario;
    for (const auto& v : r.Assessment->Scenario->Values)
      scenario.push_back(v.get());
    BindValues(scenario, Box(r.Scenario));
    BindValues(r.Assessment->PesticideValues, Box(r.Pesticide));
    BindValues(r.Assessment->ApplicationValues, Box(r.Application));
  }
  // The editors show the rows the page PRA now holds.
  for (int t = 0; t < TOPIC_TYPE_COUNT; ++t) {
    TDataSet* ds = data_.GetDataSource(t);
    if (ds->Active() && ds->RecNo() >= 0) pra->GetTopic(t)->LoadFromRow(*ds);
  }
}

// ---------------------------------------------------------------- home page

void TWorkspace::SelectLookupItem(TLookupCombo* lookup, int id) {
  if (id == 0) {
    lookup->ClearSelection();
    return;
  }
  lookup->SetKeyValue(id);
  lookup->update();
}

void TWorkspace::lkpSelectionChange(TDataSet* dataset, int topicType) {
  if (!manager_.IsReady()) return;
  TPRA& pra = *manager_.CurrentPRA;
  const bool hasRow = dataset->Active() && dataset->RecNo() >= 0;
  const int id = hasRow ? dataset->AsInteger(QStringLiteral("id")) : 0;
  pra.SetTopicId(topicType, id);
  if (hasRow) pra.GetTopic(topicType)->LoadFromRow(*dataset);
  if (!pra.Updating) UpdateAssessmentInfo();
  // The topic page shows the same item.
  if (TframeManageItem* frame = ItemFrame(topicType)) frame->SelectItemById(id);
}

void TWorkspace::SyncLookupsFromPRA() {
  if (!manager_.CurrentPRA) return;
  TPRA& pra = *manager_.CurrentPRA;
  const bool was = pra.Updating;
  pra.Updating = true;
  SelectLookupItem(frameManagePRA->dbLkp, pra.PraId);
  for (int t : {ttApplication, ttPesticide, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary})
    SelectLookupItem(HomeLookup(t), pra.GetTopicId(t));
  pra.Updating = was;
}

void TWorkspace::RefreshLkpDatasets() {
  if (!manager_.CurrentPRA) return;
  TPRA& pra = *manager_.CurrentPRA;
  pra.Updating = true;
  for (TDataSet* ds : {data_.aqryPRA, data_.aqryAI, data_.aqryAP, data_.aqryAQ, data_.aqryTE, data_.aqryGW,
                       data_.aqryDI, data_.aqryBE, data_.aqryNT})
    if (ds->Active()) ds->Requery();
  SyncLookupsFromPRA();
  pra.Updating = false;
}

void TWorkspace::UpdateAssessmentInfo() {
  if (!manager_.IsReady()) return;
  TPRA& pra = *manager_.CurrentPRA;
  SyncLookupsFromPRA();
  pra.Updating = true;
  for (int t : {ttApplication, ttPesticide, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary})
    lkpSelectionChange(data_.GetDataSource(t), t);
  pra.Updating = false;
  pra.CalculateAll(false);
  for (TframeAssessment* f : AssessmentFrames)
    f->RefreshPanel();
  pra.PRAName = frameManagePRA->dbLkp->currentText();
  pra.ApplicationName = HomeLookup(ttApplication)->currentText();
  pra.PesticideName = HomeLookup(ttPesticide)->currentText();
  pra.AquaticName = HomeLookup(ttAquatic)->currentText();
  pra.TerrestrialName = HomeLookup(ttTerrestrial)->currentText();
  pra.BeesName = HomeLookup(ttBees)->currentText();
  pra.NTAName = HomeLookup(ttNTA)->currentText();
  pra.GroundwaterName = HomeLookup(ttGroundwater)->currentText();
  pra.DietaryName = HomeLookup(ttDietary)->currentText();
  // An undefined concentration leaves the previous text.
  const auto show = [](QLineEdit* edit, const TTopic& topic, const QString& name) {
    const TVariableValue* v = topic.FindValue(name);
    if (edit && v && v->Value != UNDEFINED_VALUE) edit->setText(QLocale().toString(v->Value, 'f', 4));
  };
  show(edtPECGW_gw, *pra.Groundwater->Scenario, QStringLiteral("PECGW"));
  show(edtPECnwater_aq, *pra.Aquatic->Scenario, QStringLiteral("PECNWATER"));
}

// ---------------------------------------------------------------- saved PRAs

void TWorkspace::SelectReferenceItems() {
  if (!manager_.IsReady()) return;
  TPRA& pra = *manager_.CurrentPRA;
  const TPRALoader loader(data_);
  // Only its items: choosing the read-only PRA itself would clear them again.
  if (loader.SelectPRA(pra, loader.FirstReadOnlyId(PRA_ITEM_TYPE))) {
    pra.PraId = 0;
    pra.PRAName.clear();
  }
}

void TWorkspace::frameManagePRAdbLkpChange() {
  if (!manager_.IsReady()) return;
  TPRA& pra = *manager_.CurrentPRA;
  TDataSet* ds = data_.aqryPRA;
  if (!ds->Active() || ds->RecNo() < 0) return;
  pra.PraId = ds->AsInteger(QStringLiteral("id"));
  if (ds->AsFloat(QStringLiteral("readonly")) != 0) {
    pra.PraId = 0;
    for (int t = 0; t < TOPIC_TYPE_COUNT; ++t)
      pra.SetTopicId(t, 0);
    SyncLookupsFromPRA();
  } else {
    for (int t : {ttPesticide, ttApplication, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary}) {
      const QString column = TopicTypeToPRAColumn(t);
      if (!ds->HasField(column) || ds->IsNull(column)) {
        pra.SetTopicId(t, 0);
        continue;
      }
      const int id = ds->AsInteger(column);
      pra.SetTopicId(t, id);
      data_.GetDataSource(t)->Locate(QStringLiteral("id"), id);
    }
  }
  if (!pra.Updating) UpdateAssessmentInfo();
}

void TWorkspace::btnSavePRAClick() {
  if (!manager_.IsReady()) return;
  TDataSet* ds = data_.aqryPRA;
  if (!ds->Active() || ds->RecNo() < 0 || ds->AsFloat(QStringLiteral("readonly")) != 0) return;
  const TPRA& pra = *manager_.CurrentPRA;
  try {
    ds->Edit();
    for (int t : {ttPesticide, ttApplication, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary})
      if (pra.GetTopicId(t) != 0) ds->SetValue(TopicTypeToPRAColumn(t), pra.GetTopicId(t));
    ds->Post();
  } catch (const EDatabaseError& e) {
    ds->Cancel();
    ShowError(e.Message());
    return;
  }
  manager_.DataChanged = true;
}

// ---------------------------------------------------------------- page operations

void TWorkspace::btnRestoreClick() {
  const int id = ItemFrame(ttPesticide)->dbLkp->KeyValue();
  if (id == 0) return;
  data_.RestorePesticide(id);
}

void TWorkspace::btnCopyClick() {
  TframeManageItem* frame = ItemFrame(ttGroundwater);
  TDataSet* gw = data_.aqryGW;
  TDataSet* sorel = data_.aqrySOREL_meta;
  if (frame->IsReadOnlyItem() || gw->RecNo() < 0) {
    ShowInformation(QStringLiteral("You should select a valid scenario first!"));
    return;
  }
  if (!sorel->Active() || sorel->RecNo() < 0) return;
  try {
    gw->Edit();
    for (const char* c : {"A0", "A1", "A2"})
      gw->SetValue(QLatin1String(c), sorel->AsFloat(QLatin1String(c)));
    gw->Post();
  } catch (const EDatabaseError& e) {
    gw->Cancel();
    ShowError(e.Message());
  }
}

void TWorkspace::ShowResults(int area) {
  if (auto* head = w_.tsResults->findChild<QLabel*>(QStringLiteral("lblHeader_tsResults")))
    head->setText(QStringLiteral("Results: ") + TopicTypeToName(area));
  w_.ShowPage(w_.tsResults);
}
