#include "TestSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <stdexcept>

int TRecordingDialogs::Show(TDialogKind kind, const QString& text, int /*buttons*/, int defaultButton) {
  Shown.append({kind, text});
  return Answers.isEmpty() ? defaultButton : Answers.takeFirst();
}

QStringList TRecordingDialogs::Texts(TDialogKind kind) const {
  QStringList texts;
  for (const auto& [k, text] : Shown)
    if (k == kind) texts << text;
  return texts;
}

namespace {

// Runs `work` on a private connection to the file.
template <typename F> auto WithConnection(const QString& path, F work) {
  const QString name = QUuid::createUuid().toString();
  struct Remover {
    QString Name;
    ~Remover() { QSqlDatabase::removeDatabase(Name); }
  } remover{name};
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
  db.setDatabaseName(path);
  if (!db.open()) throw std::runtime_error(db.lastError().text().toStdString());
  auto result = work(db);
  db.close();
  return result;
}

} // namespace

TFixtureFile::TFixtureFile(const QString& sql, const QString& fileName) : path_(dir_.filePath(fileName)) {
  WithConnection(path_, [&](QSqlDatabase& db) {
    for (const QString& statement : sql.split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
      if (statement.trimmed().isEmpty()) continue;
      QSqlQuery q(db);
      if (!q.exec(statement))
        throw std::runtime_error((q.lastError().text() + QStringLiteral(" in: ") + statement).toStdString());
    }
    return 0;
  });
}

QVariant QueryFile(const QString& path, const QString& sql) {
  return WithConnection(path, [&](QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(sql)) throw std::runtime_error(q.lastError().text().toStdString());
    return q.next() ? q.value(0) : QVariant();
  });
}

QStringList ColumnsOf(const QString& path, const QString& table) {
  return WithConnection(path, [&](QSqlDatabase& db) {
    QStringList columns;
    const QSqlRecord rec = db.record(table);
    for (int i = 0; i < rec.count(); ++i)
      columns << rec.fieldName(i);
    return columns;
  });
}

const char* const MainFixtureSql = R"SQL(
CREATE TABLE variable (id INTEGER PRIMARY KEY AUTOINCREMENT, type VARCHAR(6), topic VARCHAR(2), name VARCHAR(12),
  label VARCHAR(30), descr VARCHAR(150), unit VARCHAR(30), constant REAL, "default" REAL, decimals INTEGER,
  precision INTEGER, range_min REAL, range_max REAL, req_aq INTEGER NOT NULL DEFAULT 0, req_gw INTEGER NOT NULL DEFAULT 0,
  req_te INTEGER NOT NULL DEFAULT 0, req_be INTEGER NOT NULL DEFAULT 0, req_nt INTEGER NOT NULL DEFAULT 0,
  req_di INTEGER NOT NULL DEFAULT 0, ord_aq INTEGER, ord_gw INTEGER, ord_te INTEGER, ord_di INTEGER, option_id INTEGER,
  choice_id INTEGER, remarks TEXT);
INSERT INTO variable (type, topic, name, label, descr, unit, constant, "default", range_min, range_max, req_aq, req_gw,
  req_te, req_be, req_nt, req_di, option_id, choice_id, decimals, precision) VALUES
 ('INPUT', 'PE', 'KOC', 'Koc', 'Sorption on organic carbon', 'L/kg', NULL, NULL, 0, 1000000, -1, -1, 0, 0, 0, 0, NULL, 1, 2, 4),
 ('INPUT', 'PE', 'KOM', 'Kom', 'Sorption on organic matter', 'L/kg', NULL, NULL, 0, 1000000, -1, -1, 0, 0, 0, 0, NULL, 1, NULL, NULL),
 ('INPUT', 'PE', 'DT50S', 'DT50 soil', 'Half-life in soil', 'd', NULL, NULL, 0, NULL, -1, 0, -1, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'PE', 'MMOL', 'Molar mass', 'Molar mass', 'g/mol', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, 1, NULL, NULL, NULL),
 ('INPUT', 'PE', 'UNUSED', 'Unused', 'Used by no area', '-', NULL, NULL, NULL, NULL, 0, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'AP', 'M', 'Dose', 'Dose per application', 'g/ha', NULL, NULL, 0, 100000, -1, 0, -1, -1, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'AP', 'N', 'Applications', 'Number of applications', '-', NULL, 1, 1, 20, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'AP', 'APOPT', 'Optional', 'Optional application value', '-', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, 1, NULL, NULL, NULL),
 ('INPUT', 'SC', 'V', 'Volume', 'Water volume', 'm3', NULL, NULL, 0, 1000, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'FOC', 'Foc', 'Organic carbon fraction', '-', NULL, 0.05, 0, 1, -1, 0, -1, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'CONV', 'Conversion', 'Unit conversion', '-', 1000, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('OUTPUT', 'SC', 'PECSW', 'PEC', 'Concentration in water', 'ug/L', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INTER', 'SC', 'TMPX', 'Intermediate', 'Intermediate value', '-', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'BEEF', 'Bee factor', 'Bees only', '-', NULL, NULL, NULL, NULL, 0, 0, 0, -1, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'NTAF', 'NTA factor', 'NTA only', '-', NULL, NULL, NULL, NULL, 0, 0, 0, 0, -1, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'GWDEPTH', 'Depth', 'Groundwater depth', 'm', NULL, NULL, NULL, NULL, 0, -1, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 ('INPUT', 'SC', 'DIETX', 'Diet', 'Dietary input', '-', NULL, NULL, NULL, NULL, 0, 0, 0, 0, 0, -1, NULL, NULL, NULL, NULL),
 ('INPHID', 'SC', 'PECGW_GW', 'PEC gw', 'Copied groundwater concentration', 'ug/L', NULL, NULL, NULL, NULL, 0, 0, 0, 0, 0, -1, NULL, NULL, NULL, NULL),
 ('', 'SC', 'EMPTYTYPE', 'x', 'x', 'x', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
 (NULL, 'SC', 'NULLTYPE', 'x', 'x', 'x', NULL, NULL, NULL, NULL, -1, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
CREATE TABLE application (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0,
  M REAL, N REAL);
INSERT INTO application (name, descr, readonly, M, N) VALUES ('Zeta spray', 'late', 0, 500, 2),
  ('Alpha spray', 'early', 0, 1000, NULL), ('Reference', 'protected', -1, 250, 1);
CREATE TABLE sc_aquatic (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0,
  V REAL, FOC REAL, CONV REAL);
INSERT INTO sc_aquatic (name, descr, V, FOC, CONV) VALUES ('Ditch', 'edge of field', 30, NULL, 5), ('Pond', 'still', NULL, 0.1, NULL);
CREATE TABLE sc_terrestrial (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0);
CREATE TABLE sc_groundwater (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0);
CREATE TABLE sc_dietary (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0);
CREATE TABLE sc_bees (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0);
CREATE TABLE sc_nta (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0);
CREATE TABLE pra (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, descr TEXT, readonly INTEGER DEFAULT 0,
  ai_id INTEGER, ap_id INTEGER, aq_id INTEGER, te_id INTEGER, gw_id INTEGER, di_id INTEGER, be_id INTEGER, nt_id INTEGER);
CREATE TABLE sorel_meta (id INTEGER PRIMARY KEY AUTOINCREMENT, "set" TEXT, region TEXT, region_descr VARCHAR(100),
  a0 REAL, a1 REAL, a2 REAL);
INSERT INTO sorel_meta ("set", region, region_descr, a0, a1, a2) VALUES ('Base', 'North', 'cool', 1.5, -0.2, 0.01);
)SQL";

const char* const PesticideFixtureSql = R"SQL(
CREATE TABLE EXPORT_0 (ID INTEGER PRIMARY KEY AUTOINCREMENT, AI_NAME TEXT, CASNR TEXT, KOC REAL, DT50S REAL);
INSERT INTO EXPORT_0 (AI_NAME, CASNR, KOC, DT50S) VALUES ('Mobilin', '1-1-1', 20, 60), ('Adsorbin', '2-2-2', 5000, NULL);
)SQL";

QString ReferenceSql(const QString& relativePath) {
  QFile f(QStringLiteral(ZELVAN_REFERENCE_SOURCES "/") + relativePath);
  if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + relativePath.toStdString());
  return QString::fromUtf8(f.readAll());
}

TCalcFixture::TCalcFixture(const QString& extraSql)
    : main(ReferenceSql("main/schema.sql") + ReferenceSql("main/catalogue.sql") + extraSql, "main.sqlite"),
      ai("CREATE TABLE EXPORT_0 (ID INTEGER PRIMARY KEY AUTOINCREMENT, AI_NAME TEXT, CASNR TEXT);\n", "ai.sqlite"),
      data(std::make_unique<Tdm>()), manager(std::make_unique<TManager>(*data)) {
  if (!manager->ConnectMainDatabase(main.Path()) || !manager->ConnectAIDatabase(ai.Path()) || !manager->IsReady())
    throw std::runtime_error("calculation fixture did not connect");
}

TCalcFixture::~TCalcFixture() = default;

void TCalcFixture::Set(TTopic& topic, std::initializer_list<std::pair<const char*, double>> values) {
  for (const auto& [name, value] : values) {
    if (!topic.FindValue(QLatin1String(name))) throw std::runtime_error(std::string("no value ") + name);
    topic.SetValue(QLatin1String(name), value);
  }
}
