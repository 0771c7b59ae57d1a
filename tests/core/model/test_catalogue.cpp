#include "TestSupport.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Catalogue : ::testing::Test {
  TRecordingDialogs dialogs;
  Tdm data;
  TManager manager{data};
};

} // namespace

TEST_F(Catalogue, LoadsTypedRowsInTypeTopicNameOrderWithTheirNullReplacements) {
  TFixtureFile main(MainFixtureSql);
  ASSERT_TRUE(manager.OpenZelvanDatabase(main.Path()));
  const TVariableList& list = manager.Service->VariableList;
  QStringList order;
  for (const TVariable* v : list.Items())
    order << v->Name;
  // INPHID before INPUT before INTER before OUTPUT; then AP, PE, SC; then name.
  EXPECT_EQ(order, QStringList({"PECGW_GW", "APOPT", "M", "N", "DT50S", "KOC", "KOM", "MMOL", "UNUSED", "BEEF", "CONV",
                                "DIETX", "FOC", "GWDEPTH", "NTAF", "V", "TMPX", "PECSW"}));
  EXPECT_EQ(list.FindByName("EMPTYTYPE"), nullptr);
  EXPECT_EQ(list.FindByName("NULLTYPE"), nullptr);

  const TVariable* koc = list.FindByName("koc"); // other letter case still finds it
  ASSERT_NE(koc, nullptr);
  EXPECT_EQ(koc->Name, "KOC");
  EXPECT_EQ(koc->ChoiceId, 1);
  EXPECT_EQ(koc->Decimals, 2);
  EXPECT_EQ(koc->Precision, 4);
  EXPECT_TRUE(koc->Required.Contains(ttAquatic));
  EXPECT_TRUE(koc->Required.Contains(ttGroundwater));
  EXPECT_FALSE(koc->Required.Contains(ttTerrestrial));

  const TVariable* mmol = list.FindByName("MMOL");
  EXPECT_EQ(mmol->OptionId, 1);
  EXPECT_EQ(mmol->ChoiceId, -9999);
  EXPECT_EQ(mmol->Decimals, 255);
  EXPECT_EQ(mmol->Precision, 255);
  EXPECT_TRUE(std::isinf(mmol->RangeMin) && mmol->RangeMin < 0);
  EXPECT_TRUE(std::isinf(mmol->RangeMax) && mmol->RangeMax > 0);
  EXPECT_EQ(mmol->Constant, UNDEFINED_VALUE);
  EXPECT_EQ(mmol->Default, UNDEFINED_VALUE);
  EXPECT_EQ(list.FindByName("CONV")->Constant, 1000);
  EXPECT_EQ(list.FindByName("N")->Default, 1);
  EXPECT_TRUE(dialogs.Shown.isEmpty());
}

TEST_F(Catalogue, MissingTextsWarnAndKeepTheVariable) {
  TFixtureFile main(QString::fromLatin1(MainFixtureSql) +
                    "INSERT INTO variable (id, type, topic, name, label, descr, unit) VALUES "
                    "(500, 'INPUT', NULL, 'BARE', NULL, 'd', NULL);\n"
                    "INSERT INTO variable (id, type, topic, name, label, descr, unit) VALUES "
                    "(501, 'INPUT', 'SC', NULL, 'l', 'd', 'u');\n");
  ASSERT_TRUE(manager.OpenZelvanDatabase(main.Path()));
  EXPECT_EQ(dialogs.Texts(TDialogKind::Warning),
            QStringList({"Table \"variable\": TOPIC undefined for variable \"BARE\".",
                         "Table \"variable\": LABEL undefined for variable \"BARE\".",
                         "Table \"variable\": UNIT undefined for variable \"BARE\".",
                         "Table \"variable\": NAME undefined for variable id 501."}));
  const TVariable* bare = manager.Service->VariableList.FindByName("BARE");
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->Topic, toScenario);
  EXPECT_TRUE(bare->Label.isEmpty());
}

TEST_F(Catalogue, UnknownTypeTextStopsTheLoadAndTheConnection) {
  TFixtureFile main(QString::fromLatin1(MainFixtureSql) +
                    "INSERT INTO variable (type, topic, name, label, descr, unit) VALUES "
                    "('INPUTX', 'SC', 'ODD', 'l', 'd', 'u');\n");
  EXPECT_FALSE(manager.OpenZelvanDatabase(main.Path()));
  EXPECT_EQ(dialogs.Texts(TDialogKind::Warning),
            QStringList({QStringLiteral("Cannot connect to ZELVAN database \"%1\".").arg(main.Path())}));
}
