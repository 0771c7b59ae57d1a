#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A snapshot of a query's rows with a current row, as the item lists, lookups
// and value editors share it. Rows are read once by Open (or Requery); edits
// of the current row are written at Post by key as prepared UPDATE/INSERT/
// DELETE statements against the update table. Field names compare without
// regard to case; the first field of a name wins.
//
// Errors of the engine raise EDatabaseError (data/TDialogs.h); the dataset is
// then left as it was before the failing call.
class TDataSet : public QObject {
  Q_OBJECT

 public:
  enum TState { dsInactive, dsBrowse, dsEdit, dsInsert };

  explicit TDataSet(QObject* parent = nullptr);

  // Which connection (QSqlDatabase name) and statement the dataset opens.
  void SetConnectionName(const QString& connectionName);
  const QString& ConnectionName() const { return connectionName_; }
  void SetSQL(const QString& sql);
  const QString& SQL() const { return sql_; }
  // The table that edits are written to and its key column. Without an update
  // table the dataset is read only.
  void SetUpdateTable(const QString& table, const QString& keyField = QStringLiteral("id"));
  // A field of the statement that stands for another column of the update
  // table (for "ai_name AS name", field "name" writes column AI_NAME).
  void SetFieldAlias(const QString& field, const QString& column);
  // Fields that may never be changed through the dataset.
  void SetReadOnlyFields(const QStringList& fields);
  bool IsReadOnlyField(const QString& field) const;

  bool Active() const { return state_ != dsInactive; }
  TState State() const { return state_; }
  void Open();
  void Close();
  // Reads the rows again and returns to the row of the same key, or to the
  // same position when that row is gone.
  void Requery();
  // Takes over a copy of another open dataset's fields and rows (read only).
  void CopyFrom(const TDataSet& other);

  int RecordCount() const { return static_cast<int>(rows_.size()); }
  int RecNo() const { return current_; } // 0-based; -1 when there is no row
  bool IsEmpty() const { return rows_.isEmpty(); }
  void First();
  void Last();
  bool Next(); // false at the end
  bool Prior();
  void MoveTo(int row);
  // Makes the first row whose field equals value current; false (no move) when none.
  bool Locate(const QString& field, const QVariant& value);

  int FieldCount() const { return static_cast<int>(fields_.size()); }
  const QStringList& FieldNames() const { return fields_; }
  int FieldIndex(const QString& name) const; // -1 when absent
  bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }

  // Field access on the current row; absent fields raise EDatabaseError.
  QVariant Value(const QString& field) const;
  QVariant Value(int fieldIndex) const;
  bool IsNull(const QString& field) const;
  double AsFloat(const QString& field) const; // NULL reads as 0
  QString AsString(const QString& field) const;
  int AsInteger(const QString& field) const;
  QVariant KeyValue() const;
  // A field of any row, without moving the current row (for views).
  QVariant RowValue(int row, int fieldIndex) const;

  void Edit();
  void Append();
  void SetValue(const QString& field, const QVariant& value);
  void Post();
  void Cancel();
  void Delete();

 signals:
  void CurrentChanged(); // another row became current, or the rows were (re)read
  void RowsChanged();    // rows were read, closed, added or removed
  void DataChanged();    // the current row's content changed
  void StateChanged();

 private:
  using TRow = QVector<QVariant>;
  void RequireRow() const;
  void RequireEditing() const;
  void ReadRows(const QVariant& keepKey, int keepRow);
  QString ColumnOf(int fieldIndex) const;
  void SetState(TState state);

  QString connectionName_;
  QString sql_;
  QString updateTable_;
  QString keyField_ = QStringLiteral("id");
  QHash<QString, QString> aliases_; // lower-case field -> column
  QStringList readOnly_;            // lower case
  QStringList baseColumns_;         // columns of the update table
  QStringList fields_;
  QVector<TRow> rows_;
  int current_ = -1;
  TState state_ = dsInactive;
  TRow saved_;          // current row before Edit/Append
  QVector<bool> dirty_; // fields set since Edit/Append
};
