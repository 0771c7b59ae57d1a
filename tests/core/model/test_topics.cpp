#include "TestSupport.h"
#include "data/TManager.h"
#include "data/Tdm.h"
#include "model/TValueControl.h"

#include <gtest/gtest.h>

namespace {

struct Topics : TConnectedFixture {
  void SetUp() override { Connect(); }
  TTopic& aquatic() { return *pra().Aquatic->Scenario; }

  static QStringList NamesOf(const TTopic& topic) {
    QStringList names;
    for (const auto& v : topic.Values)
      names << v->Variable->Name;
    return names;
  }
};

// A value editor stand-in: a field of a dataset, and the colour it was given.
struct TFakeControl : TValueControl {
  TDataSet* ds;
  QString field;
  int tag = 0;
  TValueColour colour = TValueColour::Undefined;
  int colourings = 0;
  QList<TVariableValue*> values;
  TFakeControl(TDataSet* d, QString f) : ds(d), field(std::move(f)) {}
  // Like the real editor, it leaves its values when it goes.
  ~TFakeControl() override {
    for (TVariableValue* v : values)
      v->DetachControl(this);
  }
  void Attach(TVariableValue* v) {
    values << v;
    v->AttachControl(this);
  }
  void DetachValue(const TVariableValue* v) override { values.removeAll(const_cast<TVariableValue*>(v)); }
  TDataSet* DataSet() const override { return ds; }
  QString FieldName() const override { return field; }
  int Tag() const override { return tag; }
  void SetValueColour(TValueColour c) override {
    colour = c;
    ++colourings;
  }
};

} // namespace

TEST_F(Topics, EachTopicHoldsItsVariablesInCatalogueOrder) {
  EXPECT_EQ(NamesOf(*pra().PesticideTopic), QStringList({"DT50S", "KOC", "KOM", "MMOL", "UNUSED"}));
  EXPECT_EQ(NamesOf(*pra().ApplicationTopic), QStringList({"APOPT", "M", "N"}));
  EXPECT_EQ(NamesOf(aquatic()), QStringList({"CONV", "FOC", "V", "TMPX", "PECSW"}));
  EXPECT_EQ(NamesOf(*pra().Bees->Scenario), QStringList({"BEEF"}));
  EXPECT_EQ(NamesOf(*pra().Dietary->Scenario), QStringList({"PECGW_GW", "DIETX"}));
  // A pesticide variable no area requires is in the topic but in no assessment.
  for (TAssessment* a : pra().Assessments())
    for (const TVariableValue* v : a->PesticideValues)
      EXPECT_NE(v->Variable->Name, "UNUSED");
  EXPECT_EQ(pra().Aquatic->PesticideCount, 4);
  EXPECT_EQ(pra().Terrestrial->PesticideCount, 1);
  EXPECT_EQ(pra().Aquatic->ScenarioCount, 5);
}

TEST_F(Topics, NewValuesStartWithConstantThenDefaultThenUndefined) {
  EXPECT_EQ(aquatic().FindValue("CONV")->Value, 1000);
  EXPECT_TRUE(aquatic().FindValue("CONV")->Defined);
  EXPECT_EQ(aquatic().FindValue("FOC")->Value, 0.05);
  EXPECT_EQ(aquatic().FindValue("V")->Value, UNDEFINED_VALUE);
  EXPECT_FALSE(aquatic().FindValue("V")->Defined);
}

TEST_F(Topics, LoadFromRowTakesDefaultsForNullAndKeepsConstants) {
  ASSERT_TRUE(data.aqryAQ->Locate("name", "Ditch"));
  aquatic().LoadFromRow(*data.aqryAQ);
  EXPECT_EQ(aquatic().Name, "Ditch");
  EXPECT_EQ(aquatic().Descr, "edge of field");
  EXPECT_EQ(pra().AqId, data.aqryAQ->AsInteger("id"));
  EXPECT_EQ(aquatic().GetValue("V"), 30);
  EXPECT_EQ(aquatic().GetValue("FOC"), 0.05); // NULL column with a default
  EXPECT_TRUE(aquatic().FindValue("FOC")->Defined);
  EXPECT_EQ(aquatic().GetValue("CONV"), 1000); // the row holds 5; the constant wins

  ASSERT_TRUE(data.aqryAQ->Locate("name", "Pond"));
  aquatic().LoadFromRow(*data.aqryAQ);
  EXPECT_TRUE(aquatic().IsUndefined("V")); // NULL without default
  EXPECT_EQ(aquatic().GetValue("FOC"), 0.1);
  EXPECT_EQ(aquatic().GetValue("CONV"), 1000);

  aquatic().SetValue("CONV", 7);
  EXPECT_EQ(aquatic().GetValue("CONV"), 1000);
  aquatic().ClearValues({vtAll});
  EXPECT_EQ(aquatic().GetValue("CONV"), 1000);
  EXPECT_TRUE(aquatic().IsUndefined("FOC"));
}

TEST_F(Topics, ClearValuesTouchesOnlyTheTypesAsked) {
  aquatic().SetValue("V", 12);
  aquatic().SetValue("PECSW", 3);
  aquatic().SetValue("TMPX", 4);
  aquatic().ClearValues({vtOutput});
  EXPECT_EQ(aquatic().GetValue("V"), 12);
  EXPECT_EQ(aquatic().GetValue("TMPX"), 4);
  EXPECT_TRUE(aquatic().IsUndefined("PECSW"));
}

TEST_F(Topics, LookupsByNameAreExactAndReportWhatIsMissing) {
  EXPECT_EQ(aquatic().GetValue("v"), UNDEFINED_VALUE); // other case: not found
  ASSERT_EQ(dialogs.Shown.size(), 1);
  EXPECT_EQ(dialogs.Shown[0].first, TDialogKind::Error);
  EXPECT_TRUE(dialogs.Shown[0].second.startsWith("GetValue: Variable v not defined as part of \"Aquatic\".\n\r"));
  EXPECT_EQ(aquatic().Messages, QStringList({"GetValue: Variable v not defined as part of \"Aquatic\"."}));

  aquatic().ClearMessages();
  EXPECT_EQ(aquatic().GetValue("V"), UNDEFINED_VALUE);
  aquatic().SetValue("NOPE", 1);
  EXPECT_TRUE(aquatic().IsUndefined("NOPE"));
  EXPECT_EQ(aquatic().Messages, QStringList({"GetValue: No value defined for V, part of \"Aquatic\".",
                                             "SetValue: Variable NOPE not defined as part of \"Aquatic\"."}));
  EXPECT_EQ(dialogs.Shown.size(), 1); // neither of these shows a dialog
}

TEST_F(Topics, LoadByIdUsesTheSecondDatasetAndLeavesAnUnknownIdAlone) {
  const int before = data.aqryAQ->RecNo();
  const int pondId = QueryFile(main.Path(), "SELECT id FROM sc_aquatic WHERE name = 'Pond'").toInt();
  ASSERT_TRUE(aquatic().LoadById(pondId));
  EXPECT_EQ(aquatic().Name, "Pond");
  EXPECT_EQ(pra().AqId, 0); // loading by id records nothing in the PRA
  EXPECT_EQ(data.aqryAQ->RecNo(), before);

  EXPECT_FALSE(aquatic().LoadById(424242));
  EXPECT_EQ(aquatic().Name, "Pond");
  EXPECT_EQ(aquatic().GetValue("FOC"), 0.1);

  ASSERT_TRUE(pra().PesticideTopic->LoadById(1));
  EXPECT_EQ(pra().PesticideTopic->Name, "Mobilin");
  EXPECT_EQ(pra().PesticideTopic->Descr, "1-1-1");
  EXPECT_EQ(pra().PesticideTopic->GetValue("KOC"), 20);
}

TEST_F(Topics, BoundValueWritesThroughToTheFileAndClearsToNull) {
  TPRA& edit = *manager.EditPRA;
  ASSERT_TRUE(data.aqryAQ->Locate("name", "Ditch"));
  edit.Aquatic->Scenario->LoadFromRow(*data.aqryAQ);
  TVariableValue* v = edit.Aquatic->Scenario->FindValue("V");
  TFakeControl control(data.aqryAQ, "V");
  control.Attach(v);

  edit.Aquatic->Scenario->SetValue("V", 42.5);
  EXPECT_TRUE(v->Defined);
  EXPECT_EQ(control.colour, TValueColour::Defined);
  EXPECT_EQ(data.aqryAQ->AsFloat("V"), 42.5);

  // Close everything, then read the file through another connection.
  const QString path = main.Path();
  v->DetachControl(&control);
  control.values.clear();
  manager.CurrentPRA.reset();
  manager.EditPRA.reset();
  data.aqryAQ->Close();
  EXPECT_EQ(QueryFile(path, "SELECT V FROM sc_aquatic WHERE name = 'Ditch'").toDouble(), 42.5);
}

TEST_F(Topics, ClearingABoundValueWritesNullNeverTheSentinel) {
  TPRA& edit = *manager.EditPRA;
  ASSERT_TRUE(data.aqryAQ->Locate("name", "Ditch"));
  TTopic& topic = *edit.Aquatic->Scenario;
  topic.LoadFromRow(*data.aqryAQ);
  TFakeControl control(data.aqryAQ, "V");
  control.Attach(topic.FindValue("V"));
  topic.ClearValues({vtInput});
  EXPECT_FALSE(topic.FindValue("V")->Defined);
  EXPECT_EQ(control.colour, TValueColour::Undefined);
  EXPECT_TRUE(QueryFile(main.Path(), "SELECT V FROM sc_aquatic WHERE name = 'Ditch'").isNull());
  EXPECT_EQ(QueryFile(main.Path(), "SELECT count(*) FROM sc_aquatic WHERE V = -9999").toInt(), 0);

  // An undefined member of a choice group gets the lighter colour.
  TPRA& editPra = *manager.EditPRA;
  TFakeControl kom(data.aqryAI, "KOM");
  ASSERT_TRUE(data.aqryAI->Locate("name", "Mobilin"));
  kom.Attach(editPra.PesticideTopic->FindValue("KOM"));
  editPra.PesticideTopic->SetValue("KOM", UNDEFINED_VALUE);
  EXPECT_EQ(kom.colour, TValueColour::UndefinedChoice);
  kom.tag = 1; // editors that colour themselves are left alone
  editPra.PesticideTopic->SetValue("KOM", 11.6);
  EXPECT_EQ(kom.colour, TValueColour::UndefinedChoice);
  EXPECT_EQ(QueryFile(ai.Path(), "SELECT KOM FROM EXPORT_0 WHERE AI_NAME = 'Mobilin'").toDouble(), 11.6);
}

TEST_F(Topics, ABoundValueWhoseRowCannotBeWrittenKeepsTheField) {
  TPRA& edit = *manager.EditPRA;
  TTopic& topic = *edit.Aquatic->Scenario;
  ASSERT_TRUE(data.aqryAQ->Locate("name", "Ditch"));
  topic.LoadFromRow(*data.aqryAQ);
  TFakeControl control(data.aqryAQ, "V");
  control.Attach(topic.FindValue("V"));
  // A trigger that refuses updates makes the engine fail the write.
  QueryFile(main.Path(), "CREATE TRIGGER no_v BEFORE UPDATE ON sc_aquatic BEGIN SELECT RAISE(ABORT, 'locked'); END");
  topic.SetValue("V", 99);
  EXPECT_EQ(data.aqryAQ->State(), TDataSet::dsBrowse);
  EXPECT_EQ(data.aqryAQ->AsFloat("V"), 30);
  EXPECT_TRUE(topic.FindValue("V")->Defined);
  EXPECT_EQ(QueryFile(main.Path(), "SELECT V FROM sc_aquatic WHERE name = 'Ditch'").toDouble(), 30);
}

TEST_F(Topics, OutOfRangeTopicTypesShowTheirMessageAndGiveNothing) {
  EXPECT_EQ(pra().GetAssessment(ttPesticide), nullptr);
  EXPECT_EQ(pra().GetTopic(8), nullptr);
  EXPECT_EQ(dialogs.Texts(TDialogKind::Error),
            QStringList({"error: Can not get Assessment for this TopicType: function TPRA.GetAssessment(TopicType : "
                         "TTopicType): TAssessment;",
                         "error: function TPRA.GetTopic(TopicType : TTopicType): TAssessment;"}));
  EXPECT_EQ(pra().GetTopic(ttPesticide), pra().PesticideTopic.get());
  EXPECT_EQ(pra().GetTopic(ttBees), pra().Bees->Scenario.get());
}
