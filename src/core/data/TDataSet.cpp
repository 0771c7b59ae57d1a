#include "data/TDataSet.h"

#include "data/TDialogs.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QSqlDatabase Connection(const QString& name) {
  QSqlDatabase db = QSqlDatabase::database(name, false);
  if (!db.isValid() || !db.isOpen()) throw EDatabaseError(QStringLiteral("Database connection is not open"));
  return db;
}

QString Quoted(const QString& identifier) {
  return QLatin1Char('"') + identifier + QLatin1Char('"');
}

} // namespace

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

void TDataSet::SetConnectionName(const QString& connectionName) {
  Close();
  connectionName_ = connectionName;
}

void TDataSet::SetSQL(const QString& sql) {
  Close();
  sql_ = sql;
}

void TDataSet::SetUpdateTable(const QString& table, const QString& keyField) {
  updateTable_ = table;
  keyField_ = keyField;
}

void TDataSet::SetFieldAlias(const QString& field, const QString& column) {
  aliases_.insert(field.toLower(), column);
}

void TDataSet::SetReadOnlyFields(const QStringList& fields) {
  readOnly_.clear();
  for (const QString& f : fields)
    readOnly_ << f.toLower();
}

bool TDataSet::IsReadOnlyField(const QString& field) const {
  return readOnly_.contains(field.toLower());
}

void TDataSet::Open() {
  if (Active()) return;
  ReadRows(QVariant(), 0);
  SetState(dsBrowse);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::Close() {
  if (!Active() && fields_.isEmpty()) return;
  fields_.clear();
  rows_.clear();
  baseColumns_.clear();
  current_ = -1;
  SetState(dsInactive);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::Requery() {
  if (!Active()) {
    Open();
    return;
  }
  if (state_ == dsEdit || state_ == dsInsert) Cancel();
  const QVariant key = current_ >= 0 ? KeyValue() : QVariant();
  ReadRows(key, current_);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::ReadRows(const QVariant& keepKey, int keepRow) {
  QSqlDatabase db = Connection(connectionName_);
  QStringList baseColumns;
  if (!updateTable_.isEmpty()) {
    const QSqlRecord rec = db.record(updateTable_);
    for (int i = 0; i < rec.count(); ++i)
      baseColumns << rec.fieldName(i);
  }
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec(sql_)) throw EDatabaseError(q.lastError().text());
  const QSqlRecord rec = q.record();
  QStringList fields;
  for (int i = 0; i < rec.count(); ++i)
    fields << rec.fieldName(i);
  QVector<TRow> rows;
  while (q.next()) {
    TRow row(fields.size());
    for (int i = 0; i < fields.size(); ++i)
      row[i] = q.value(i);
    rows.push_back(std::move(row));
  }
  if (q.lastError().isValid()) throw EDatabaseError(q.lastError().text());
  q.finish();

  fields_ = fields;
  rows_ = std::move(rows);
  baseColumns_ = baseColumns;
  current_ = rows_.isEmpty() ? -1 : 0;
  if (keepKey.isValid() && Locate(keyField_, keepKey)) return;
  if (!rows_.isEmpty() && keepRow >= 0) current_ = std::min<int>(keepRow, rows_.size() - 1);
}

void TDataSet::CopyFrom(const TDataSet& other) {
  Close();
  fields_ = other.fields_;
  rows_ = other.rows_;
  current_ = rows_.isEmpty() ? -1 : 0;
  SetState(dsBrowse);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::SetState(TState state) {
  if (state_ == state) return;
  state_ = state;
  emit StateChanged();
}

void TDataSet::First() {
  MoveTo(0);
}
void TDataSet::Last() {
  MoveTo(RecordCount() - 1);
}

bool TDataSet::Next() {
  if (current_ + 1 >= RecordCount()) return false;
  MoveTo(current_ + 1);
  return true;
}

bool TDataSet::Prior() {
  if (current_ <= 0) return false;
  MoveTo(current_ - 1);
  return true;
}

void TDataSet::MoveTo(int row) {
  if (rows_.isEmpty()) return;
  row = std::clamp<int>(row, 0, rows_.size() - 1);
  if (state_ == dsEdit || state_ == dsInsert) Post();
  if (row == current_) return;
  current_ = row;
  emit CurrentChanged();
}

bool TDataSet::Locate(const QString& field, const QVariant& value) {
  const int f = FieldIndex(field);
  if (f < 0) return false;
  for (int r = 0; r < rows_.size(); ++r) {
    const QVariant& v = rows_[r][f];
    if (v.isNull() || value.isNull()) continue;
    const bool numeric = v.canConvert<double>() && value.canConvert<double>() && v.typeId() != QMetaType::QString;
    const bool same = numeric ? v.toDouble() == value.toDouble() : v.toString() == value.toString();
    if (same) {
      if (r != current_) {
        current_ = r;
        emit CurrentChanged();
      }
      return true;
    }
  }
  return false;
}

int TDataSet::FieldIndex(const QString& name) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void TDataSet::RequireRow() const {
  if (current_ < 0 || current_ >= rows_.size()) throw EDatabaseError(QStringLiteral("Dataset has no current row"));
}

void TDataSet::RequireEditing() const {
  if (state_ != dsEdit && state_ != dsInsert)
    throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
}

QVariant TDataSet::Value(int fieldIndex) const {
  RequireRow();
  if (fieldIndex < 0 || fieldIndex >= fields_.size()) throw EDatabaseError(QStringLiteral("Field index out of range"));
  return rows_[current_][fieldIndex];
}

QVariant TDataSet::Value(const QString& field) const {
  const int f = FieldIndex(field);
  if (f < 0) throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(field));
  return Value(f);
}

bool TDataSet::IsNull(const QString& field) const {
  return Value(field).isNull();
}
double TDataSet::AsFloat(const QString& field) const {
  return Value(field).toDouble();
}
QString TDataSet::AsString(const QString& field) const {
  return Value(field).toString();
}
int TDataSet::AsInteger(const QString& field) const {
  return Value(field).toInt();
}
QVariant TDataSet::KeyValue() const {
  return Value(keyField_);
}

QString TDataSet::ColumnOf(int fieldIndex) const {
  const QString& field = fields_[fieldIndex];
  const auto alias = aliases_.constFind(field.toLower());
  if (alias != aliases_.constEnd()) return alias.value();
  for (const QString& c : baseColumns_)
    if (c.compare(field, Qt::CaseInsensitive) == 0) return c;
  return QString();
}

void TDataSet::Edit() {
  if (state_ == dsEdit || state_ == dsInsert) return;
  if (!Active()) throw EDatabaseError(QStringLiteral("Dataset is not open"));
  RequireRow();
  if (updateTable_.isEmpty() || FieldIndex(keyField_) < 0) throw EDatabaseError(QStringLiteral("Dataset is read only"));
  saved_ = rows_[current_];
  dirty_ = QVector<bool>(fields_.size(), false);
  SetState(dsEdit);
}

void TDataSet::Append() {
  if (!Active()) throw EDatabaseError(QStringLiteral("Dataset is not open"));
  if (updateTable_.isEmpty()) throw EDatabaseError(QStringLiteral("Dataset is read only"));
  if (state_ == dsEdit || state_ == dsInsert) Post();
  rows_.push_back(TRow(fields_.size()));
  saved_.clear();
  dirty_ = QVector<bool>(fields_.size(), false);
  current_ = rows_.size() - 1;
  SetState(dsInsert);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::SetValue(const QString& field, const QVariant& value) {
  const int f = FieldIndex(field);
  if (f < 0) throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(field));
  RequireEditing();
  if (readOnly_.contains(fields_[f].toLower()) || ColumnOf(f).isEmpty())
    throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(fields_[f]));
  rows_[current_][f] = value;
  dirty_[f] = true;
  // Keep every field that shows the same column in step (alias and original).
  const QString column = ColumnOf(f);
  for (int i = 0; i < fields_.size(); ++i)
    if (i != f && ColumnOf(i).compare(column, Qt::CaseInsensitive) == 0) rows_[current_][i] = value;
  emit DataChanged();
}

void TDataSet::Post() {
  if (state_ != dsEdit && state_ != dsInsert) return;
  QSqlDatabase db = Connection(connectionName_);
  QStringList columns;
  QVariantList values;
  for (int i = 0; i < fields_.size(); ++i) {
    if (!dirty_[i]) continue;
    const QString column = ColumnOf(i);
    const int known = columns.indexOf(column);
    if (known >= 0) {
      values[known] = rows_[current_][i];
      continue;
    }
    columns << column;
    values << rows_[current_][i];
  }
  QSqlQuery q(db);
  if (state_ == dsEdit) {
    if (!columns.isEmpty()) {
      QStringList sets;
      for (const QString& c : columns)
        sets << Quoted(c) + QStringLiteral(" = ?");
      q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                    .arg(Quoted(updateTable_), sets.join(QStringLiteral(", ")), Quoted(keyField_)));
      for (const QVariant& v : values)
        q.addBindValue(v);
      q.addBindValue(saved_[FieldIndex(keyField_)]);
      if (!q.exec()) throw EDatabaseError(q.lastError().text());
    }
    saved_.clear();
    SetState(dsBrowse);
    emit DataChanged();
    return;
  }
  QStringList quoted;
  for (const QString& c : columns)
    quoted << Quoted(c);
  if (columns.isEmpty()) {
    q.prepare(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quoted(updateTable_)));
  } else {
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(Quoted(updateTable_), quoted.join(QStringLiteral(", ")),
                       QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    for (const QVariant& v : values)
      q.addBindValue(v);
  }
  if (!q.exec()) throw EDatabaseError(q.lastError().text());
  const QVariant newKey = q.lastInsertId();
  q.finish();
  SetState(dsBrowse);
  // Re-read so that the new row shows what the engine stored (its key above all).
  ReadRows(newKey, current_);
  emit RowsChanged();
  emit CurrentChanged();
}

void TDataSet::Cancel() {
  if (state_ == dsEdit) {
    rows_[current_] = saved_;
  } else if (state_ == dsInsert) {
    rows_.removeAt(current_);
    current_ = rows_.isEmpty() ? -1 : std::min<int>(current_, rows_.size() - 1);
    emit RowsChanged();
  } else {
    return;
  }
  saved_.clear();
  SetState(dsBrowse);
  emit CurrentChanged();
  emit DataChanged();
}

void TDataSet::Delete() {
  if (state_ == dsInsert) {
    Cancel();
    return;
  }
  if (state_ == dsEdit) Cancel();
  RequireRow();
  if (updateTable_.isEmpty()) throw EDatabaseError(QStringLiteral("Dataset is read only"));
  QSqlQuery q(Connection(connectionName_));
  q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(Quoted(updateTable_), Quoted(keyField_)));
  q.addBindValue(KeyValue());
  if (!q.exec()) throw EDatabaseError(q.lastError().text());
  rows_.removeAt(current_);
  current_ = rows_.isEmpty() ? -1 : std::min<int>(current_, rows_.size() - 1);
  emit RowsChanged();
  emit CurrentChanged();
}

QVariant TDataSet::RowValue(int row, int fieldIndex) const {
  if (row < 0 || row >= rows_.size() || fieldIndex < 0 || fieldIndex >= fields_.size()) return {};
  return rows_[row][fieldIndex];
}
