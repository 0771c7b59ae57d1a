#include "data/TPRALoader.h"

#include "data/Tdm.h"
#include "model/TPRA.h"

TDataSet* TPRALoader::ItemList(int itemType) const {
  return itemType == PRA_ITEM_TYPE ? data_.aqryPRA2 : data_.GetLoadDataSet(itemType);
}

int TPRALoader::FindItem(int itemType, const QString& nameOrId) const {
  TDataSet* ds = ItemList(itemType);
  if (!ds) return 0;
  if (!ds->Active()) ds->Open();
  const QString key = nameOrId.trimmed();
  if (key.startsWith(QLatin1Char('#'))) {
    bool ok = false;
    const int id = key.mid(1).toInt(&ok);
    return ok && ds->Locate(QStringLiteral("id"), id) ? id : 0;
  }
  for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
    for (int row = 0; row < ds->RecordCount(); ++row) {
      ds->MoveTo(row);
      if (ds->AsString(QStringLiteral("name")).compare(key, cs) == 0) return ds->AsInteger(QStringLiteral("id"));
    }
  }
  return 0;
}

bool TPRALoader::SelectPRA(TPRA& pra, int praId) const {
  TDataSet* ds = ItemList(PRA_ITEM_TYPE);
  if (!ds->Active()) ds->Open();
  if (praId == 0 || !ds->Locate(QStringLiteral("id"), praId)) return false;
  pra.PraId = praId;
  pra.PRAName = ds->AsString(QStringLiteral("name"));
  for (int t = 0; t < TOPIC_TYPE_COUNT; ++t) {
    const QString column = TopicTypeToPRAColumn(t);
    pra.SetTopicId(t, ds->HasField(column) ? ds->AsInteger(column) : 0);
  }
  return true;
}

namespace {

bool LocateFirstReadOnly(TDataSet& ds) {
  if (!ds.HasField(QStringLiteral("readonly"))) return false;
  for (int row = 0; row < ds.RecordCount(); ++row) {
    ds.MoveTo(row);
    if (ds.AsFloat(QStringLiteral("readonly")) != 0) return true;
  }
  return false;
}

} // namespace

int TPRALoader::FirstReadOnlyId(int itemType) const {
  TDataSet* ds = ItemList(itemType);
  if (!ds) return 0;
  if (!ds->Active()) ds->Open();
  return LocateFirstReadOnly(*ds) ? ds->AsInteger(QStringLiteral("id")) : 0;
}

namespace {

QString* NameField(TPRA& pra, int topicType) {
  switch (topicType) {
  case ttAquatic:
    return &pra.AquaticName;
  case ttTerrestrial:
    return &pra.TerrestrialName;
  case ttGroundwater:
    return &pra.GroundwaterName;
  case ttDietary:
    return &pra.DietaryName;
  case ttBees:
    return &pra.BeesName;
  case ttNTA:
    return &pra.NTAName;
  case ttPesticide:
    return &pra.PesticideName;
  default:
    return &pra.ApplicationName;
  }
}

} // namespace

void TPRALoader::LoadItems(TPRA& pra) const {
  for (int t : {ttPesticide, ttApplication, ttAquatic, ttTerrestrial, ttBees, ttNTA, ttGroundwater, ttDietary}) {
    TDataSet* ds = ItemList(t);
    if (!ds->Active()) ds->Open();
    const int id = pra.GetTopicId(t);
    const bool found = (id != 0 && ds->Locate(QStringLiteral("id"), id)) || LocateFirstReadOnly(*ds);
    if (!found) {
      pra.SetTopicId(t, 0);
      continue;
    }
    TTopic* topic = pra.GetTopic(t);
    topic->ClearValues({vtAll});
    topic->LoadFromRow(*ds);
    pra.SetTopicId(t, ds->AsInteger(QStringLiteral("id")));
    *NameField(pra, t) = topic->Name;
  }
}
