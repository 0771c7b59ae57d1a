#pragma once

#include "data/TDataSet.h"
#include "model/TTopicType.h"

#include <QObject>
#include <QString>

class TVariableList;

// The kinds of database the data module connects.
enum TDatabaseKind : int { dkMain = 0, dkAI = 1, dkTavex = 2 };

inline constexpr char PESTICIDE_TABLE[] = "EXPORT_0";
inline constexpr char PESTICIDE_RESTORE_TABLE[] = "EXPORT_0_ORG";
inline constexpr char TAVEX_TABLE[] = "FLOW_PESTICIDE_AI";

// True for a plain SQL identifier (letters, digits, underscore; no leading
// digit): the only table and column names put into statement texts.
bool IsPlainIdentifier(const QString& name);

// The data module: the three connections (SQLite files) and the named
// datasets the whole program shares. One instance at a time; it registers
// itself as `dm()` for the model objects that load rows by id.
class Tdm : public QObject {
  Q_OBJECT

 public:
  Tdm();
  ~Tdm() override;

  // QSqlDatabase connection names of the three kinds.
  QString GetConnection(int kind) const; // throws EZelvanError "ZELVAN: Unknown Database Type."
  bool IsConnected(int kind) const;
  QString DatabaseFile(int kind) const; // the file the connection points at

  // Points the kind's connection at the file and connects; false (with the
  // message of the failure) when the file cannot be made writable or opened.
  bool OpenDatabase(int kind, const QString& path);
  // Runs one statement in a transaction. A failing statement is reported and
  // rolled back; a transaction that cannot begin raises EDatabaseError.
  void ExecuteSQL(const QString& connection, const QString& statement);
  void AddRealColumn(const QString& connection, const QString& table, const QString& column);
  // Adds the missing value columns of type `varType` to the table.
  void CheckTable(int kind, const QString& table, const TVariableList& catalogue, int varType, int topicType);
  // Opens `dataset` on the statement over the kind's connection. Errors pass on.
  void OpenQueryInto(int kind, const QString& statement, TDataSet& dataset);

  bool HasVariableTable() const;
  bool HasPesticideTable() const;
  bool HasTavexTable() const;
  bool HasRestoreTable() const;

  void EnsurePesticideReadonlyColumn();
  void BackupPesticideTable();
  void RestorePesticide(int id);
  void OpenMainDatasets();
  void OpenPesticideDatasets();

  // The browse dataset of a topic type (the data source the lookups, item
  // lists and value editors share), and the second dataset used for loading
  // by id. nullptr outside 0..7.
  TDataSet* GetDataSource(int topicType) const;
  TDataSet* GetLoadDataSet(int topicType) const;

  // Browse datasets and their second datasets.
  TDataSet* aqryPRA;
  TDataSet* aqryPRA2;
  TDataSet* aqryAI;
  TDataSet* aqryAI2;
  TDataSet* aqryAP;
  TDataSet* aqryAP2;
  TDataSet* aqryAQ;
  TDataSet* aqryAQ2;
  TDataSet* aqryTE;
  TDataSet* aqryTE2;
  TDataSet* aqryGW;
  TDataSet* aqryGW2;
  TDataSet* aqryDI;
  TDataSet* aqryDI2;
  TDataSet* aqryBE;
  TDataSet* aqryBE2;
  TDataSet* aqryNT;
  TDataSet* aqryNT2;
  // Further datasets.
  TDataSet* aqrySOREL_meta;
  TDataSet* aqryVariables;
  TDataSet* aqryAIlist;
  TDataSet* aqryAPSbatch;
  TDataSet* mdBatch; // selected cases of a batch run, in memory

 private:
  bool HasTable(int kind, const QString& table) const;
  void CloseDatasetsOf(const QString& connection);
  TDataSet* MakeDataSet(const char* name, int kind, const QString& sql, const QString& table);

  QString connections_[3];
  QString memoryConnection_;
};

// The data module in use; throws EZelvanError when none exists.
Tdm& dm();
