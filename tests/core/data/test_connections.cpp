#include "TestSupport.h"
#include "data/SqlTexts.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <QFile>
#include <QSqlDatabase>
#include <gtest/gtest.h>

namespace {

struct Connections : ::testing::Test {
  TRecordingDialogs dialogs;
  Tdm data;
  TManager manager{data};
};

} // namespace

TEST_F(Connections, AFileThatIsNotADatabaseIsRefusedWithTheOpenWarning) {
  TFixtureFile dir("", "unused.sqlite");
  const QString path = dir.Folder() + "/notes.sqlite";
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(4096, 'x'));
  f.close();
  for (bool (TManager::*open)(const QString&) :
       {&TManager::OpenZelvanDatabase, &TManager::OpenAIDatabase, &TManager::OpenTavexDatabase}) {
    dialogs.Shown.clear();
    EXPECT_FALSE((manager.*open)(path));
    const QStringList warnings = dialogs.Texts(TDialogKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith("Error db1: Cannot open Database notes.sqlite\n\rWindows system message: "))
        << warnings[0].toStdString();
  }
  EXPECT_FALSE(data.IsConnected(dkMain));
  EXPECT_TRUE(manager.ZelvanDatabaseName.isEmpty());
  EXPECT_EQ(QFile(path).size(), 4096); // the file is left as it was
}

TEST_F(Connections, AMissingFileOrOneWithoutItsTableFailsSilently) {
  TFixtureFile other("CREATE TABLE something (x INTEGER);\n");
  EXPECT_FALSE(manager.OpenZelvanDatabase(other.Folder() + "/missing.sqlite"));
  EXPECT_FALSE(QFile::exists(other.Folder() + "/missing.sqlite")); // nothing is created
  EXPECT_FALSE(manager.OpenZelvanDatabase(other.Path()));
  EXPECT_TRUE(data.IsConnected(dkMain)); // the connection stays on the file
  EXPECT_FALSE(manager.OpenAIDatabase(other.Path()));
  EXPECT_FALSE(manager.OpenTavexDatabase(other.Path()));
  EXPECT_TRUE(dialogs.Shown.isEmpty());
  EXPECT_TRUE(manager.ZelvanDatabaseName.isEmpty());
  EXPECT_FALSE(manager.IsReady());

  // An AI database chosen as the main database is just as wrong.
  TFixtureFile ai(PesticideFixtureSql);
  EXPECT_FALSE(manager.OpenZelvanDatabase(ai.Path()));
  EXPECT_TRUE(dialogs.Shown.isEmpty());
}

TEST_F(Connections, AWriteProtectedFileIsMadeWritableFirst) {
  TFixtureFile main(MainFixtureSql);
  QFile::setPermissions(main.Path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  ASSERT_TRUE(manager.OpenZelvanDatabase(main.Path()));
  EXPECT_EQ(dialogs.Texts(TDialogKind::Information),
            QStringList({QStringLiteral("Database (%1) is write-protected. The read-only attribute will be removed."
                                        "\n\rIf this fails, copy the file to writeable media (hard disk) and set to "
                                        "readable.")
                             .arg(main.Path())}));
  EXPECT_TRUE(QFile::permissions(main.Path()) & QFile::WriteOwner);
}

TEST_F(Connections, TheMainDatabaseAloneMakesNoPRAsUntilTheAIDatabaseComes) {
  TFixtureFile main(MainFixtureSql, "main.sqlite");
  TFixtureFile ai(PesticideFixtureSql, "ai.sqlite");
  ASSERT_TRUE(manager.ConnectMainDatabase(main.Path()));
  EXPECT_TRUE(manager.Service);
  EXPECT_FALSE(manager.IsReady());
  EXPECT_EQ(manager.ZelvanDatabaseName, main.Path());
  const TService* first = manager.Service.get();
  ASSERT_TRUE(manager.ConnectAIDatabase(ai.Path()));
  EXPECT_TRUE(manager.IsReady());
  EXPECT_NE(manager.Service.get(), first); // the catalogue was loaded again
  EXPECT_TRUE(manager.EditPRA);
  EXPECT_EQ(manager.AIDatabaseName, ai.Path());
  EXPECT_TRUE(data.aqryPRA->Active() && data.aqryDI2->Active() && data.aqrySOREL_meta->Active());
  EXPECT_TRUE(dialogs.Shown.isEmpty());
}

TEST_F(Connections, UnknownKindsRaiseTheirMessage) {
  try {
    data.GetConnection(3);
    FAIL() << "no exception";
  } catch (const EZelvanError& e) {
    EXPECT_EQ(e.Message(), "ZELVAN: Unknown Database Type.");
  }
}

TEST_F(Connections, AFailingStatementIsReportedAndRolledBack) {
  TFixtureFile main(MainFixtureSql);
  ASSERT_TRUE(data.OpenDatabase(dkMain, main.Path()));
  data.ExecuteSQL(data.GetConnection(dkMain), "INSERT INTO nowhere VALUES (1)");
  const QStringList errors = dialogs.Texts(TDialogKind::Error);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith("Error updating database due to:\r\n"));
  EXPECT_TRUE(errors[0].contains("nowhere"));
  // The connection is usable afterwards: no transaction was left open.
  data.ExecuteSQL(data.GetConnection(dkMain), "UPDATE application SET M = 1 WHERE name = 'Zeta spray'");
  EXPECT_EQ(dialogs.Shown.size(), 1);
  EXPECT_EQ(QueryFile(main.Path(), "SELECT M FROM application WHERE name = 'Zeta spray'").toInt(), 1);
}

TEST_F(Connections, TheTavexQueryTurnsRecordsIntoApplicationCases) {
  TFixtureFile tavex(R"SQL(
CREATE TABLE FLOW_PESTICIDE_AI (LOC3NAME TEXT, AEID INTEGER, AECODE TEXT, LA TEXT, CROP1 TEXT, AIID INTEGER,
  AINAME TEXT, AREAM2 INTEGER, AIQUANT REAL, "DATE" TEXT);
INSERT INTO FLOW_PESTICIDE_AI VALUES ('North', 1, 'F1', 'P1', 'Maize', 3, 'Atrazine', 20000, 1000, '2024-05-01'),
  ('North', 2, 'F1', 'P1', 'Maize', 3, 'Atrazine', 20000, 600, '2024-05-11'),
  ('North', 3, 'F1', 'P1', 'Maize', 3, 'Atrazine', 20000, 400, '2024-05-31'),
  ('South', 4, 'F2', 'P9', 'Wheat', 5, 'MCPA', 5000, 250, '2024-04-02');
)SQL");
  ASSERT_TRUE(manager.ConnectTavexDatabase(tavex.Path()));
  data.OpenQueryInto(dkTavex, QLatin1String(Sql::TavexCases), *data.aqryAPSbatch);
  TDataSet& cases = *data.aqryAPSbatch;
  ASSERT_EQ(cases.RecordCount(), 2);
  ASSERT_TRUE(cases.Locate("location", "North"));
  EXPECT_EQ(cases.AsFloat("MSTACKED"), 1000); // 2000 g on 2 ha
  EXPECT_NEAR(cases.AsFloat("M"), 1000.0 / 3, 1e-9);
  EXPECT_EQ(cases.AsInteger("N"), 3);
  EXPECT_EQ(cases.AsFloat("DT"), 15); // 30 days over 2 intervals
  ASSERT_TRUE(cases.Locate("location", "South"));
  EXPECT_EQ(cases.AsFloat("MSTACKED"), 500);
  EXPECT_TRUE(cases.IsNull("DT"));
  EXPECT_EQ(cases.AsString("farm"), "F2");
}
