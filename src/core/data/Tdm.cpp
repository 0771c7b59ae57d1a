#include "data/Tdm.h"

#include "data/SqlTexts.h"
#include "data/TDialogs.h"
#include "model/TVariableList.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

Tdm* Current = nullptr;
int InstanceCounter = 0;

constexpr const char* ConnectionBaseNames[3] = {"aconnZelvan", "aconnAI", "aconnTavex"};

const QFileDevice::Permissions WriteBits = QFileDevice::WriteOwner | QFileDevice::WriteUser;

bool HasReadOnlyAttribute(const QString& path) {
  QFileInfo info(path);
  return info.exists() && (QFile::permissions(path) & QFileDevice::WriteOwner) == 0;
}

} // namespace

bool IsPlainIdentifier(const QString& name) {
  static const QRegularExpression Identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return Identifier.match(name).hasMatch();
}

Tdm& dm() {
  if (!Current) throw EZelvanError(QStringLiteral("ZELVAN: data module not created."));
  return *Current;
}

Tdm::Tdm() {
  const int n = ++InstanceCounter;
  for (int k = 0; k < 3; ++k) {
    connections_[k] = QStringLiteral("%1#%2").arg(QLatin1String(ConnectionBaseNames[k])).arg(n);
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connections_[k]);
  }

  aqryPRA = MakeDataSet("aqryPRA", dkMain, QLatin1String(Sql::PraBrowse), QStringLiteral("pra"));
  aqryPRA2 = MakeDataSet("aqryPRA2", dkMain, QLatin1String(Sql::PraBrowse), QStringLiteral("pra"));
  aqryAI = MakeDataSet("aqryAI", dkAI, QString(), QLatin1String(PESTICIDE_TABLE));
  aqryAI2 = MakeDataSet("aqryAI2", dkAI, QString(), QLatin1String(PESTICIDE_TABLE));
  for (TDataSet* ds : {aqryAI, aqryAI2}) {
    ds->SetUpdateTable(QLatin1String(PESTICIDE_TABLE), QStringLiteral("ID"));
    ds->SetFieldAlias(QStringLiteral("name"), QStringLiteral("AI_NAME"));
    ds->SetFieldAlias(QStringLiteral("descr"), QStringLiteral("CASNR"));
  }
  aqryAP = MakeDataSet("aqryAP", dkMain, QLatin1String(Sql::ApplicationBrowse), QStringLiteral("application"));
  aqryAP2 = MakeDataSet("aqryAP2", dkMain, QLatin1String(Sql::ApplicationLoad), QStringLiteral("application"));
  aqryAQ = MakeDataSet("aqryAQ", dkMain, QLatin1String(Sql::AquaticList), QStringLiteral("sc_aquatic"));
  aqryAQ2 = MakeDataSet("aqryAQ2", dkMain, QLatin1String(Sql::AquaticList), QStringLiteral("sc_aquatic"));
  aqryTE = MakeDataSet("aqryTE", dkMain, QLatin1String(Sql::TerrestrialList), QStringLiteral("sc_terrestrial"));
  aqryTE2 = MakeDataSet("aqryTE2", dkMain, QLatin1String(Sql::TerrestrialList), QStringLiteral("sc_terrestrial"));
  aqryGW = MakeDataSet("aqryGW", dkMain, QLatin1String(Sql::GroundwaterList), QStringLiteral("sc_groundwater"));
  aqryGW2 = MakeDataSet("aqryGW2", dkMain, QLatin1String(Sql::GroundwaterList), QStringLiteral("sc_groundwater"));
  aqryDI = MakeDataSet("aqryDI", dkMain, QLatin1String(Sql::DietaryList), QStringLiteral("sc_dietary"));
  aqryDI2 = MakeDataSet("aqryDI2", dkMain, QLatin1String(Sql::DietaryList), QStringLiteral("sc_dietary"));
  aqryBE = MakeDataSet("aqryBE", dkMain, QLatin1String(Sql::BeesList), QStringLiteral("sc_bees"));
  aqryBE2 = MakeDataSet("aqryBE2", dkMain, QLatin1String(Sql::BeesList), QStringLiteral("sc_bees"));
  aqryNT = MakeDataSet("aqryNT", dkMain, QLatin1String(Sql::NTAList), QStringLiteral("sc_nta"));
  aqryNT2 = MakeDataSet("aqryNT2", dkMain, QLatin1String(Sql::NTAList), QStringLiteral("sc_nta"));
  aqrySOREL_meta = MakeDataSet("aqrySOREL_meta", dkMain, QLatin1String(Sql::SorelMeta), QStringLiteral("sorel_meta"));
  aqryVariables = MakeDataSet("aqryVariables", dkMain, QString(), QStringLiteral("variable"));
  aqryVariables->SetReadOnlyFields(
      {QStringLiteral("id"), QStringLiteral("type"), QStringLiteral("topic"), QStringLiteral("name")});
  aqryAIlist = MakeDataSet("aqryAIlist", dkAI, QLatin1String(Sql::PesticideList), QString());
  aqryAPSbatch = MakeDataSet("aqryAPSbatch", dkTavex, QString(), QString());

  memoryConnection_ = QStringLiteral("mdBatch#%1").arg(n);
  QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), memoryConnection_);
  memory.setDatabaseName(QStringLiteral(":memory:"));
  if (memory.open()) QSqlQuery(memory).exec(QLatin1String(Sql::BatchTable));
  mdBatch = new TDataSet(this);
  mdBatch->setObjectName(QStringLiteral("mdBatch"));
  mdBatch->SetConnectionName(memoryConnection_);
  mdBatch->SetSQL(QLatin1String(Sql::BatchSelect));

  Current = this;
}

Tdm::~Tdm() {
  // Datasets hold no statements between calls; the connections can go.
  const QList<TDataSet*> datasets = findChildren<TDataSet*>();
  for (TDataSet* ds : datasets)
    ds->Close();
  QStringList names(std::begin(connections_), std::end(connections_));
  names << memoryConnection_;
  for (const QString& name : names) {
    {
      QSqlDatabase db = QSqlDatabase::database(name, false);
      if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name);
  }
  if (Current == this) Current = nullptr;
}

TDataSet* Tdm::MakeDataSet(const char* name, int kind, const QString& sql, const QString& table) {
  auto* ds = new TDataSet(this);
  ds->setObjectName(QLatin1String(name));
  ds->SetConnectionName(connections_[kind]);
  ds->SetSQL(sql);
  if (!table.isEmpty()) ds->SetUpdateTable(table);
  return ds;
}

QString Tdm::GetConnection(int kind) const {
  if (kind < dkMain || kind > dkTavex) throw EZelvanError(QStringLiteral("ZELVAN: Unknown Database Type."));
  return connections_[kind];
}

bool Tdm::IsConnected(int kind) const {
  return QSqlDatabase::database(GetConnection(kind), false).isOpen();
}

QString Tdm::DatabaseFile(int kind) const {
  return QSqlDatabase::database(GetConnection(kind), false).databaseName();
}

void Tdm::CloseDatasetsOf(const QString& connection) {
  const QList<TDataSet*> datasets = findChildren<TDataSet*>();
  for (TDataSet* ds : datasets)
    if (ds->ConnectionName() == connection) ds->Close();
}

bool Tdm::OpenDatabase(int kind, const QString& path) {
  const QString connection = GetConnection(kind);
  if (HasReadOnlyAttribute(path)) {
    ShowInformation(
        QStringLiteral("Database (%1) is write-protected. The read-only attribute will be removed.").arg(path) +
        QStringLiteral("\n\r") +
        QStringLiteral("If this fails, copy the file to writeable media (hard disk) and set to readable."));
    QFile::setPermissions(path, QFile::permissions(path) | WriteBits);
  }
  if (HasReadOnlyAttribute(path)) return false;

  CloseDatasetsOf(connection);
  QSqlDatabase db = QSqlDatabase::database(connection, false);
  db.close();
  db.setDatabaseName(path);
  // The Tavex connection only reads; the others may share the file with
  // other programs, as SQLite does by default.
  db.setConnectOptions(kind == dkTavex ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
  QString failure;
  if (!QFileInfo::exists(path)) {
    failure = QStringLiteral("The file does not exist.");
  } else if (!db.open()) {
    failure = db.lastError().text();
  } else {
    // SQLite opens any file lazily; reading the schema tells a database from
    // another kind of file.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) failure = probe.lastError().text();
  }
  if (failure.isEmpty()) return true;
  db.close();
  ShowWarning(QStringLiteral("Error db1: Cannot open Database ") + QFileInfo(path).fileName() + QStringLiteral("\n\r") +
              QStringLiteral("Windows system message: ") + failure);
  return false;
}

void Tdm::ExecuteSQL(const QString& connection, const QString& statement) {
  QSqlDatabase db = QSqlDatabase::database(connection, false);
  if (!db.isOpen() || !db.transaction())
    throw EDatabaseError(db.isOpen() ? db.lastError().text() : QStringLiteral("Database connection is not open"));
  QSqlQuery command(db);
  QString failure;
  if (!command.exec(statement)) {
    failure = command.lastError().text();
  } else {
    command.finish();
    if (!db.commit()) failure = db.lastError().text();
  }
  if (failure.isEmpty()) return;
  command.finish();
  ShowError(QStringLiteral("Error updating database due to:\r\n") + failure);
  db.rollback();
}

void Tdm::AddRealColumn(const QString& connection, const QString& table, const QString& column) {
  const auto cannotAdd = [&] {
    ShowError(QStringLiteral("Error: Adding fields to table\r\nCannot add field %1 to table %2.").arg(column, table));
  };
  if (!IsPlainIdentifier(table) || !IsPlainIdentifier(column)) {
    cannotAdd();
    return;
  }
  try {
    ExecuteSQL(connection, QLatin1String(Sql::AddColumn).arg(table, column, QStringLiteral("REAL")));
  } catch (const EZelvanError&) {
    cannotAdd();
  }
}

void Tdm::CheckTable(int kind, const QString& table, const TVariableList& catalogue, int varType, int topicType) {
  const QString connection = GetConnection(kind);
  QStringList columns;
  if (HasTable(kind, table)) {
    const QSqlRecord rec = QSqlDatabase::database(connection, false).record(table);
    for (int i = 0; i < rec.count(); ++i)
      columns << rec.fieldName(i);
  } else {
    ShowError(
        QStringLiteral("Error: Adding fields to table\r\nCannot open table %1 or table does not exist.").arg(table));
  }
  const int topic = TopicTypeToVariableTopic(topicType);
  for (const TVariable* v : catalogue.Items()) {
    if (v->VarType != varType || v->Topic != topic || columns.contains(v->Name, Qt::CaseInsensitive)) continue;
    if (topic == toScenario && !v->Required.Contains(topicType)) continue;
    AddRealColumn(connection, table, v->Name);
    columns << v->Name;
  }
}

void Tdm::OpenQueryInto(int kind, const QString& statement, TDataSet& dataset) {
  dataset.Close();
  dataset.SetConnectionName(GetConnection(kind));
  dataset.SetSQL(statement);
  dataset.Open();
}

bool Tdm::HasTable(int kind, const QString& table) const {
  const QSqlDatabase db = QSqlDatabase::database(GetConnection(kind), false);
  if (!db.isOpen()) return false;
  return db.tables(QSql::Tables).contains(table, Qt::CaseInsensitive);
}

bool Tdm::HasVariableTable() const {
  return HasTable(dkMain, QStringLiteral("variable"));
}
bool Tdm::HasPesticideTable() const {
  return HasTable(dkAI, QLatin1String(PESTICIDE_TABLE));
}
bool Tdm::HasTavexTable() const {
  return HasTable(dkTavex, QLatin1String(TAVEX_TABLE));
}
bool Tdm::HasRestoreTable() const {
  return HasTable(dkAI, QLatin1String(PESTICIDE_RESTORE_TABLE));
}

void Tdm::EnsurePesticideReadonlyColumn() {
  QSqlDatabase db = QSqlDatabase::database(connections_[dkAI], false);
  QSqlQuery probe(db);
  if (!probe.exec(QLatin1String(Sql::PesticideProbe).arg(QLatin1String(PESTICIDE_TABLE))))
    throw EDatabaseError(probe.lastError().text());
  const bool hasReadonly = probe.record().indexOf(QStringLiteral("readonly")) >= 0;
  probe.finish();
  if (hasReadonly) return;
  QSqlQuery command(db);
  if (!command.exec(QLatin1String(Sql::PesticideAddReadonly).arg(QLatin1String(PESTICIDE_TABLE))) ||
      !command.exec(QLatin1String(Sql::PesticideInsertPlaceholder).arg(QLatin1String(PESTICIDE_TABLE))))
    throw EDatabaseError(command.lastError().text());
}

void Tdm::BackupPesticideTable() {
  QSqlQuery command(QSqlDatabase::database(connections_[dkAI], false));
  if (!command.exec(QLatin1String(Sql::PesticideBackup)
                        .arg(QLatin1String(PESTICIDE_RESTORE_TABLE), QLatin1String(PESTICIDE_TABLE))))
    throw EDatabaseError(command.lastError().text());
}

void Tdm::RestorePesticide(int id) {
  if (!HasRestoreTable()) {
    ShowWarning(QStringLiteral("The restore table \"%1\" is not present in the selected AI db. \r\nValues cannot be "
                               "restored.")
                    .arg(QLatin1String(PESTICIDE_RESTORE_TABLE)));
    return;
  }
  if (AskConfirmation(
          QStringLiteral(
              "Are you sure you want to replace the current values by the original values for this pesticide?"),
          mbYes | mbCancel, mbCancel) != mbYes)
    return;
  TDataSet backup;
  OpenQueryInto(dkAI, QLatin1String(Sql::PesticideRestoreSource).arg(QLatin1String(PESTICIDE_RESTORE_TABLE)), backup);
  if (!backup.Locate(QStringLiteral("ID"), id)) {
    ShowInformation(QStringLiteral("Oops!\n\r The selected pesticide was not part of the original AI database and "
                                   "could not be restored."));
    return;
  }
  aqryAI->Edit();
  try {
    for (int i = 0; i < backup.FieldCount(); ++i) {
      const QString name = backup.FieldNames()[i].toUpper();
      if (name == QLatin1String("ID") || name == QLatin1String("READONLY")) continue;
      if (aqryAI->HasField(name)) aqryAI->SetValue(name, backup.Value(i));
    }
    aqryAI->Post();
  } catch (...) {
    aqryAI->Cancel();
    throw;
  }
  ShowInformation(QStringLiteral("Ready!"));
}

void Tdm::OpenMainDatasets() {
  // Update criteria of the original engine (key columns only) is how every
  // dataset here writes anyway.
  for (TDataSet* ds : {aqryPRA, aqryAP, aqryAQ, aqryTE, aqryBE, aqryNT, aqryGW, aqryDI, aqrySOREL_meta, aqryPRA2,
                       aqryAP2, aqryAQ2, aqryTE2, aqryBE2, aqryNT2, aqryGW2, aqryDI2}) {
    try {
      ds->Open();
    } catch (const EDatabaseError& e) {
      throw EDatabaseError(QStringLiteral("%1: %2").arg(ds->objectName(), e.Message()));
    }
  }
}

void Tdm::OpenPesticideDatasets() {
  EnsurePesticideReadonlyColumn();
  const QString sql = QLatin1String(Sql::PesticideBrowse).arg(QLatin1String(PESTICIDE_TABLE));
  for (TDataSet* ds : {aqryAI, aqryAI2}) {
    ds->SetSQL(sql);
    ds->Open();
  }
}

TDataSet* Tdm::GetDataSource(int topicType) const {
  switch (topicType) {
  case ttAquatic:
    return aqryAQ;
  case ttTerrestrial:
    return aqryTE;
  case ttGroundwater:
    return aqryGW;
  case ttDietary:
    return aqryDI;
  case ttBees:
    return aqryBE;
  case ttNTA:
    return aqryNT;
  case ttPesticide:
    return aqryAI;
  case ttApplication:
    return aqryAP;
  default:
    return nullptr;
  }
}

TDataSet* Tdm::GetLoadDataSet(int topicType) const {
  switch (topicType) {
  case ttAquatic:
    return aqryAQ2;
  case ttTerrestrial:
    return aqryTE2;
  case ttGroundwater:
    return aqryGW2;
  case ttDietary:
    return aqryDI2;
  case ttBees:
    return aqryBE2;
  case ttNTA:
    return aqryNT2;
  case ttPesticide:
    return aqryAI2;
  case ttApplication:
    return aqryAP2;
  default:
    return nullptr;
  }
}
