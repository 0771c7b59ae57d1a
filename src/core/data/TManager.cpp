#include "data/TManager.h"

#include "data/TDialogs.h"
#include "data/Tdm.h"

#include <QFileInfo>
#include <functional>

TManager::TManager(Tdm& data) : data_(data) {}

TManager::~TManager() {
  // PRAs refer to the catalogue's variables: free them first.
  CurrentPRA.reset();
  EditPRA.reset();
  ComparePRAs.clear();
  BatchPRAs.clear();
}

void TManager::ReplaceService(const QString& path) {
  auto service = std::make_unique<TService>(data_, path);
  if (Service) retired_.push_back(std::move(Service));
  Service = std::move(service);
}

bool TManager::OpenZelvanDatabase(const QString& path) {
  try {
    if (!QFileInfo::exists(path)) return false;
    if (!data_.OpenDatabase(dkMain, path)) return false;
    if (!data_.HasVariableTable()) return false;
    ZelvanDatabaseName = path;
    ReplaceService(path);
    if (data_.IsConnected(dkMain) && data_.IsConnected(dkAI)) CreatePRAs();
    return true;
  } catch (const std::exception&) {
    ShowWarning(QStringLiteral("Cannot connect to ZELVAN database \"%1\".").arg(path));
    return false;
  }
}

bool TManager::OpenAIDatabase(const QString& path) {
  try {
    if (!QFileInfo::exists(path)) return false;
    if (!data_.OpenDatabase(dkAI, path)) return false;
    if (!data_.HasPesticideTable()) return false;
    AIDatabaseName = path;
    if (data_.IsConnected(dkMain) && data_.IsConnected(dkAI)) {
      ReplaceService(ZelvanDatabaseName);
      CreatePRAs();
    }
    return true;
  } catch (const std::exception&) {
    ShowWarning(QStringLiteral("Cannot connect to AI database \"%1\".").arg(path));
    return false;
  }
}

bool TManager::OpenTavexDatabase(const QString& path) {
  try {
    if (!QFileInfo::exists(path)) return false;
    if (!data_.OpenDatabase(dkTavex, path)) return false;
    if (!data_.HasTavexTable()) return false;
    TavexDatabaseName = path;
    return true;
  } catch (const std::exception&) {
    ShowWarning(QStringLiteral("Cannot connect to Tavex RDB \"%1\".").arg(path));
    return false;
  }
}

void TManager::CreatePRAs() {
  const TVariableList& catalogue = Service->VariableList;
  CurrentPRA = std::make_unique<TPRA>(catalogue);
  EditPRA = std::make_unique<TPRA>(catalogue);
  const struct {
    int Kind;
    const char* Table;
    TTopicType Topic;
  } tables[] = {{dkAI, PESTICIDE_TABLE, ttPesticide},      {dkMain, "application", ttApplication},
                {dkMain, "sc_aquatic", ttAquatic},         {dkMain, "sc_groundwater", ttGroundwater},
                {dkMain, "sc_terrestrial", ttTerrestrial}, {dkMain, "sc_dietary", ttDietary}};
  for (const auto& t : tables)
    data_.CheckTable(t.Kind, QLatin1String(t.Table), catalogue, vtInput, t.Topic);
}

bool TManager::IsReady() const {
  return CurrentPRA && Service && Service->VariableList.Count() > 0;
}

namespace {

// Datasets opened before CheckTable added columns would not show them.
void RequeryOpen(std::initializer_list<TDataSet*> datasets) {
  for (TDataSet* ds : datasets)
    if (ds->Active()) ds->Requery();
}

bool OpenDatasets(const std::function<void()>& open) {
  try {
    open();
    return true;
  } catch (const EZelvanError& e) {
    ShowWarning(QStringLiteral("Cannot open the tables of the database:\r\n") + e.Message());
    return false;
  }
}

} // namespace

bool TManager::ConnectMainDatabase(const QString& path) {
  if (!OpenZelvanDatabase(path)) return false;
  return OpenDatasets([&] {
    data_.OpenMainDatasets();
    if (data_.aqryAI->Active()) RequeryOpen({data_.aqryAI, data_.aqryAI2});
  });
}

bool TManager::ConnectAIDatabase(const QString& path) {
  if (!OpenAIDatabase(path)) return false;
  return OpenDatasets([&] {
    if (!data_.HasRestoreTable()) data_.BackupPesticideTable();
    data_.OpenPesticideDatasets();
    RequeryOpen({data_.aqryAP, data_.aqryAP2, data_.aqryAQ, data_.aqryAQ2, data_.aqryTE, data_.aqryTE2, data_.aqryGW,
                 data_.aqryGW2, data_.aqryDI, data_.aqryDI2});
  });
}

bool TManager::ConnectTavexDatabase(const QString& path) {
  return OpenTavexDatabase(path);
}
