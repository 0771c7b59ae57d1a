#include "TestSupport.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <gtest/gtest.h>

namespace {

struct Tables : TConnectedFixture {};

} // namespace

TEST_F(Tables, CheckTableAddsEachMissingInputColumnOnceAndNeverExtendsBeesOrNTA) {
  Connect();
  EXPECT_EQ(ColumnsOf(main.Path(), "application"), QStringList({"id", "name", "descr", "readonly", "M", "N", "APOPT"}));
  // Inputs only: TMPX (INTER) and PECSW (OUTPUT) get no column.
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_aquatic"), QStringList({"id", "name", "descr", "readonly", "V", "FOC", "CONV"}));
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_terrestrial"), QStringList({"id", "name", "descr", "readonly", "FOC"}));
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_groundwater"), QStringList({"id", "name", "descr", "readonly", "GWDEPTH"}));
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_dietary"), QStringList({"id", "name", "descr", "readonly", "DIETX"}));
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_bees"), QStringList({"id", "name", "descr", "readonly"}));
  EXPECT_EQ(ColumnsOf(main.Path(), "sc_nta"), QStringList({"id", "name", "descr", "readonly"}));
  EXPECT_EQ(ColumnsOf(ai.Path(), "EXPORT_0"),
            QStringList({"ID", "AI_NAME", "CASNR", "KOC", "DT50S", "KOM", "MMOL", "UNUSED", "readonly"}));

  // A second run finds every column and adds nothing.
  manager.CreatePRAs();
  manager.CreatePRAs();
  EXPECT_EQ(ColumnsOf(main.Path(), "application").size(), 7);
  EXPECT_TRUE(dialogs.Shown.isEmpty());
  // The datasets opened before the columns were added show them.
  EXPECT_TRUE(data.aqryAP->HasField("APOPT"));
  EXPECT_TRUE(data.aqryAI->HasField("KOM"));
}

TEST_F(Tables, CheckTableOnAMissingTableReportsAndGoesOn) {
  Connect();
  data.CheckTable(dkMain, "sc_nowhere", manager.Service->VariableList, vtInput, ttGroundwater);
  const QStringList errors = dialogs.Texts(TDialogKind::Error);
  ASSERT_EQ(errors.size(), 2);
  EXPECT_EQ(errors[0], "Error: Adding fields to table\r\nCannot open table sc_nowhere or table does not exist.");
  EXPECT_TRUE(errors[1].startsWith("Error updating database due to:\r\n"));
}

TEST_F(Tables, ThePesticideBackupIsTakenBeforeTheReadonlyColumnAndPlaceholder) {
  Connect();
  // The backup follows the catalogue's columns but has no readonly column.
  EXPECT_EQ(ColumnsOf(ai.Path(), "EXPORT_0_ORG"),
            QStringList({"ID", "AI_NAME", "CASNR", "KOC", "DT50S", "KOM", "MMOL", "UNUSED"}));
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT count(*) FROM EXPORT_0_ORG").toInt(), 2);
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT readonly FROM EXPORT_0 WHERE AI_NAME = '<select pesticide>'").toInt(), -1);
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT CASNR FROM EXPORT_0 WHERE readonly <> 0").toString(),
            "Default empty item. Do not remove.");
  // Protected rows come first in the browse list, which renames its columns.
  data.aqryAI->First();
  EXPECT_EQ(data.aqryAI->AsString("name"), "<select pesticide>");
  EXPECT_EQ(data.aqryAI->FieldNames().mid(0, 3), QStringList({"name", "descr", "ID"}));

  // Connecting again adds neither a second placeholder nor a new backup.
  ASSERT_TRUE(manager.ConnectAIDatabase(ai.Path()));
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT count(*) FROM EXPORT_0").toInt(), 3);
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT count(*) FROM EXPORT_0_ORG").toInt(), 2);
}

TEST_F(Tables, RestoringAPesticideCopiesTheFirstConnectionValuesBack) {
  Connect();
  TDataSet& ai0 = *data.aqryAI;
  ASSERT_TRUE(ai0.Locate("name", "Adsorbin"));
  ai0.Edit();
  ai0.SetValue("KOC", 1);
  ai0.SetValue("DT50S", 2);
  ai0.SetValue("name", "Renamed");
  ai0.Post();
  const int id = ai0.AsInteger("ID");

  dialogs.Answers = {mbCancel};
  data.RestorePesticide(id);
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT KOC FROM EXPORT_0 WHERE ID = 2").toInt(), 1);

  dialogs.Answers = {mbYes};
  data.RestorePesticide(id);
  EXPECT_EQ(dialogs.Texts(TDialogKind::Information), QStringList({"Ready!"}));
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT KOC FROM EXPORT_0 WHERE ID = 2").toInt(), 5000);
  EXPECT_TRUE(QueryFile(ai.Path(), "SELECT DT50S FROM EXPORT_0 WHERE ID = 2").isNull()); // NULL copied too
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT AI_NAME FROM EXPORT_0 WHERE ID = 2").toString(), "Adsorbin");
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT readonly FROM EXPORT_0 WHERE ID = 2").toInt(), 0);
  EXPECT_EQ(ai0.AsString("name"), "Adsorbin");
}

TEST_F(Tables, RestoreWithoutBackupOrOfANewPesticideChangesNothing) {
  Connect();
  data.aqryAI->Last();
  dialogs.Answers = {mbYes};
  data.RestorePesticide(999);
  EXPECT_EQ(dialogs.Texts(TDialogKind::Information),
            QStringList({"Oops!\n\r The selected pesticide was not part of the original AI database and could not "
                         "be restored."}));

  dialogs.Shown.clear();
  QueryFile(ai.Path(), "DROP TABLE EXPORT_0_ORG");
  data.RestorePesticide(1);
  EXPECT_EQ(dialogs.Texts(TDialogKind::Warning),
            QStringList({"The restore table \"EXPORT_0_ORG\" is not present in the selected AI db. \r\nValues "
                         "cannot be restored."}));
  EXPECT_TRUE(dialogs.Texts(TDialogKind::Confirmation).isEmpty());
}

TEST_F(Tables, DatasetEditsAppendsAndDeletesReachTheFileAndRequeryKeepsThePlace) {
  Connect();
  TDataSet& ap = *data.aqryAP;
  // Protected rows first, then by name.
  QStringList names;
  for (ap.First(); ap.RecNo() >= 0;) {
    names << ap.AsString("name");
    if (!ap.Next()) break;
  }
  EXPECT_EQ(names, QStringList({"Reference", "Alpha spray", "Zeta spray"}));

  ap.Append();
  ap.SetValue("name", "Beta spray");
  ap.SetValue("readonly", 0);
  ap.SetValue("M", 12.5);
  ap.Post();
  EXPECT_EQ(ap.AsString("name"), "Beta spray"); // the new row is current, with its key
  EXPECT_GT(ap.AsInteger("id"), 3);
  EXPECT_EQ(ap.RecNo(), 2);
  EXPECT_EQ(QueryFile(main.Path(), "SELECT M FROM application WHERE name = 'Beta spray'").toDouble(), 12.5);

  QueryFile(main.Path(), "INSERT INTO application (name, readonly) VALUES ('Aardvark', 0)");
  ap.Requery();
  EXPECT_EQ(ap.AsString("name"), "Beta spray");
  EXPECT_EQ(ap.RecordCount(), 5);

  ap.Edit();
  ap.SetValue("M", 99);
  ap.Cancel();
  EXPECT_EQ(ap.AsFloat("M"), 12.5);

  ap.Delete();
  EXPECT_EQ(QueryFile(main.Path(), "SELECT count(*) FROM application WHERE name = 'Beta spray'").toInt(), 0);
  EXPECT_EQ(ap.RecordCount(), 4);

  EXPECT_THROW(ap.SetValue("M", 1), EDatabaseError); // not in edit mode
  data.aqrySOREL_meta->First();
  EXPECT_EQ(data.aqrySOREL_meta->AsString("label"), "Base : North");
  data.aqrySOREL_meta->Edit();
  EXPECT_THROW(data.aqrySOREL_meta->SetValue("label", "x"), EDatabaseError); // computed column
  data.aqrySOREL_meta->Cancel();
}
