#include "TestSupport.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <gtest/gtest.h>

namespace {

struct InputData : TConnectedFixture {
  void SetUp() override { Connect(); }
  TInputDataRec Aquatic() {
    TInputDataRec rec;
    pra().GetInputData(ttAquatic, rec);
    return rec;
  }
  // Everything the aquatic area needs, the optional values left out.
  void FillAquatic() {
    pra().PesticideTopic->SetValue("DT50S", 10);
    pra().PesticideTopic->SetValue("KOC", 100);
    pra().ApplicationTopic->SetValue("M", 500);
    pra().Aquatic->Scenario->SetValue("V", 30);
  }
};

} // namespace

TEST_F(InputData, MissingNamesAreListedWithALeadingBlankEach) {
  const TInputDataRec rec = Aquatic();
  EXPECT_EQ(rec.Status, 0);
  EXPECT_EQ(rec.Pesticide.Missing, " DT50S KOC KOM"); // neither member of the choice group is defined
  EXPECT_EQ(rec.Pesticide.Total, 4);
  EXPECT_EQ(rec.Pesticide.Optional, 1);
  EXPECT_EQ(rec.Application.Missing, " M");
  EXPECT_EQ(rec.Application.Filled, 1); // N has a default
  EXPECT_EQ(rec.Scenario.Missing, " V");
  EXPECT_EQ(rec.Scenario.Total, 3); // INTER and OUTPUT values are never counted
}

TEST_F(InputData, OneDefinedMemberOfAChoiceGroupFillsTheOther) {
  pra().PesticideTopic->SetValue("KOM", 58);
  const TCountRec rec = Aquatic().Pesticide;
  EXPECT_EQ(rec.Missing, " DT50S");
  EXPECT_EQ(rec.Filled, 2);
}

TEST_F(InputData, OptionalValuesCountForTheOverallStatusOnlyOnThePesticideSide) {
  FillAquatic();
  TInputDataRec rec = Aquatic();
  // MMOL (pesticide) and APOPT (application) are optional and undefined.
  EXPECT_EQ(rec.Pesticide.Status, 2);
  EXPECT_EQ(rec.Application.Status, 2);
  EXPECT_EQ(rec.Scenario.Status, 1);
  EXPECT_EQ(rec.Status, 0);

  pra().ApplicationTopic->SetValue("APOPT", 1);
  rec = Aquatic();
  EXPECT_EQ(rec.Application.Status, 1);
  EXPECT_EQ(rec.Status, 2);

  pra().PesticideTopic->SetValue("MMOL", 200);
  EXPECT_EQ(Aquatic().Status, 1);
}

TEST_F(InputData, AreasCountOnlyTheValuesTheyRequire) {
  TInputDataRec rec;
  pra().GetInputData(ttBees, rec);
  EXPECT_EQ(rec.Pesticide.Total, 0);
  EXPECT_EQ(rec.Application.Total, 1);
  EXPECT_EQ(rec.Scenario.Missing, " BEEF");
  pra().GetInputData(ttDietary, rec);
  EXPECT_EQ(rec.Scenario.Missing, " PECGW_GW DIETX"); // INPHID values count
}
