// End to end: the built zelvan-cli on copies of the built reference databases.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRun {
  int Code;
  QString Out;
  QString Err;
};

class Cli : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString main, ai;

  void SetUp() override {
    main = dir.filePath("main.sqlite");
    ai = dir.filePath("ai.sqlite");
    ASSERT_TRUE(QFile::copy(ZELVAN_REFERENCE_DATABASES "/zelvan-main.sqlite", main));
    ASSERT_TRUE(QFile::copy(ZELVAN_REFERENCE_DATABASES "/zelvan-ai.sqlite", ai));
  }

  static TRun Run(const QStringList& args) {
    QProcess p;
    p.start(ZELVAN_CLI, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  }
  TRun Assess(QStringList extra) { return Run(QStringList{"assess", "--main", main, "--ai", ai} + extra); }
  static QJsonObject Json(const TRun& r) { return QJsonDocument::fromJson(r.Out.toUtf8()).object(); }
};

} // namespace

TEST_F(Cli, TheReadOnlyReferencePRACalculatesAllSixAreas) {
  const TRun r = Assess({"--pra", "Reference assessment", "--format", "json"});
  ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["pra"]["name"].toString(), "Reference assessment");
  EXPECT_EQ(o["pesticide"]["name"].toString(), "Imidacloprid");
  for (const char* item : {"application", "aquatic", "terrestrial", "bees", "nta", "groundwater", "dietary"})
    EXPECT_GT(o[item]["id"].toInt(), 0) << item;
  const QJsonArray a = o["assessments"].toArray();
  ASSERT_EQ(a.size(), 6);
  const char* areas[] = {"Aquatic", "Terrestrial", "Bees", "NTA", "Groundwater", "Dietary"};
  const bool twoResults[] = {true, true, false, true, false, false};
  for (int i = 0; i < 6; ++i) {
    const QJsonObject x = a[i].toObject();
    EXPECT_EQ(x["area"].toString(), areas[i]);
    EXPECT_GT(x["status"].toInt(), 0) << areas[i];
    EXPECT_TRUE(x["calculated"].toBool()) << areas[i];
    EXPECT_TRUE(x["etr1"]["value"].isDouble()) << areas[i];
    EXPECT_GE(x["riskClass1"].toInt(), 1);
    if (twoResults[i]) {
      EXPECT_TRUE(x["etr2"]["value"].isDouble()) << areas[i];
      EXPECT_GE(x["riskClass2"].toInt(), 1);
    } else {
      EXPECT_TRUE(x["etr2"].isNull());
    }
    for (const char* list : {"pesticide", "application", "scenario"})
      EXPECT_TRUE(x["values"][list].isObject());
  }
  // The dietary scenario took the concentrations of the other two areas.
  const QJsonObject aquatic = a[0]["values"]["scenario"].toObject();
  const QJsonObject dietary = a[5]["values"]["scenario"].toObject();
  EXPECT_EQ(dietary["PECNWATER_AQ"].toDouble(), aquatic["PECNWATER"].toDouble());
  EXPECT_EQ(dietary["PECGW_GW"].toDouble(), a[4]["values"]["scenario"]["PECGW"].toDouble());
}

TEST_F(Cli, NamedItemsOverrideThePRAAndUndefinedValuesAreNull) {
  const TRun r = Assess({"--pra", "#1", "--pesticide", "Atrazine", "--format", "json"});
  ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
  const QJsonObject o = Json(r);
  EXPECT_EQ(o["pesticide"]["name"].toString(), "Atrazine");
  // Atrazine has no arthropod endpoint: that area is not calculated.
  const QJsonObject nta = o["assessments"].toArray()[3].toObject();
  EXPECT_EQ(nta["status"].toInt(), 0);
  EXPECT_FALSE(nta["calculated"].toBool());
  EXPECT_EQ(nta["missing"]["pesticide"].toArray(), QJsonArray({"LR50_T_NTA"}));
  EXPECT_TRUE(nta["values"]["pesticide"]["LR50_T_NTA"].isNull());
  EXPECT_TRUE(nta["etr1"]["value"].isNull());
}

TEST_F(Cli, TextAndCsvFormatsAreReadable) {
  const TRun text = Assess({});
  ASSERT_EQ(text.Code, 0) << text.Err.toStdString();
  EXPECT_TRUE(text.Out.contains("Reference assessment (#1)"));
  for (const char* line : {"Aquatic", "Terrestrial", "Bees", "NTA", "Groundwater", "Dietary", "ETRWATER_C", "ETRDIET"})
    EXPECT_TRUE(text.Out.contains(line)) << line;
  const TRun csv = Assess({"--format", "csv"});
  ASSERT_EQ(csv.Code, 0);
  EXPECT_TRUE(csv.Out.startsWith("area,list,name,value\n"));
  EXPECT_TRUE(csv.Out.contains("\nAquatic,application,M,750\n"));
}

TEST_F(Cli, ItemsAndCatalogueListTheDatabases) {
  const TRun items = Run({"items", "--main", main, "--ai", ai});
  ASSERT_EQ(items.Code, 0) << items.Err.toStdString();
  for (const char* s : {"pra\n", "1\tReference assessment\t(read only)", "9\tImidacloprid", "dietary\n"})
    EXPECT_TRUE(items.Out.contains(s)) << s;
  const TRun catalogue = Run({"catalogue", "--main", main, "--format", "json"});
  ASSERT_EQ(catalogue.Code, 0);
  const QJsonArray vars = QJsonDocument::fromJson(catalogue.Out.toUtf8()).array();
  EXPECT_GT(vars.size(), 100);
}

TEST_F(Cli, BadInputGivesAClearMessageAndANonZeroExit) {
  QFile junk(dir.filePath("junk.sqlite"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a database at all, just some text that is long enough to look like a file");
  junk.close();
  const struct {
    QStringList Args;
    int Code;
    const char* Text;
  } cases[] = {
      {{"assess", "--main", dir.filePath("missing.sqlite"), "--ai", ai}, 1, "cannot open main database"},
      {{"assess", "--main", junk.fileName(), "--ai", ai}, 1, "cannot open main database"},
      {{"assess", "--main", ai, "--ai", ai}, 1, "cannot open main database"},
      {{"assess", "--main", main, "--ai", main}, 1, "cannot open pesticide database"},
      {{"assess", "--main", main, "--ai", ai, "--aquatic", "Nowhere"}, 1, "unknown aquatic \"Nowhere\""},
      {{"assess", "--main", main, "--ai", ai, "--pra", "#99"}, 1, "unknown PRA"},
      {{"assess", "--main", main, "--ai", ai, "--format", "xml"}, 2, "unknown format"},
      {{"assess", "--main", main}, 2, "--ai FILE"},
      {{"assess", "--bogus"}, 2, "bogus"},
      {{"frobnicate"}, 2, "usage"},
  };
  for (const auto& c : cases) {
    const TRun r = Run(c.Args);
    EXPECT_EQ(r.Code, c.Code) << c.Args.join(' ').toStdString();
    EXPECT_TRUE(r.Err.contains(c.Text)) << r.Err.toStdString();
  }
  for (const char* command : {"assess", "catalogue", "items"}) {
    const TRun help = Run({command, "--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Out.contains("--main")) << command;
  }
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
