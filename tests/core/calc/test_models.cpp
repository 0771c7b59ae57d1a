#include "TestSupport.h"
#include "calc/uCalc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Models : ::testing::Test, TCalcFixture {
  double Value(TTopic& topic, const char* name) { return topic.FindValue(QLatin1String(name))->Value; }
  TCalcResultRec Run(int area) { return pra().GetAssessment(area)->Calculate(); }
};

} // namespace

TEST(RiskClasses, OneAndHundredBelongToTheMiddleClass) {
  const std::pair<double, int> cases[] = {{-9999, 1}, {0, 1},   {0.999999, 1}, {1, 2},
                                          {50, 2},    {100, 2}, {100.0001, 3}, {INFINITY, 3}};
  for (const auto& [etr, cls] : cases)
    EXPECT_EQ(RiskClassOf(etr), cls) << etr;
}

TEST_F(Models, TerrestrialConcentrationAndAccumulation) {
  TTopic& TE = Scenario(ttTerrestrial);
  Set(AP(), {{"M", 1000}, {"N", 1}, {"DT", 0}});
  Set(PE(), {{"DT50S", 10}, {"LC50_T_E", 100}, {"NOEC_T_E", 1}});
  Set(TE, {{"DEPTHF", 0.05}, {"PB", 1.5}, {"EF_S_A", 0.1}, {"EF_S_C", 0.2}});
  Run(ttTerrestrial);
  EXPECT_DOUBLE_EQ(Value(TE, "CSOIL"), 2000);
  EXPECT_DOUBLE_EQ(Value(TE, "PEC1SOIL"), 2000.0 / 1500);
  EXPECT_EQ(Value(TE, "PECNSOIL"), Value(TE, "PEC1SOIL"));

  Set(AP(), {{"N", 3}, {"DT", 10}});
  Run(ttTerrestrial);
  EXPECT_NEAR(Value(PE(), "KS"), 0.0693147, 1e-7);
  EXPECT_DOUBLE_EQ(Value(TE, "PECNSOIL"), 1.75 * 2000.0 / 1500);

  // A chronic ratio of exactly 100 is possible risk.
  Set(PE(), {{"NOEC_T_E", 1.75 * 2000.0 / 1500 / 100 / 0.2}});
  const TCalcResultRec r = Run(ttTerrestrial);
  EXPECT_NEAR(Value(TE, "ETRSOIL_C"), 100, 1e-9);
  EXPECT_EQ(r.RiskClass2, RiskClassOf(Value(TE, "ETRSOIL_C")));
}

TEST_F(Models, TerrestrialWithoutAcuteEndpointLeavesTheAcuteRatioUndefined) {
  TTopic& TE = Scenario(ttTerrestrial);
  Set(AP(), {{"M", 1000}, {"N", 1}, {"DT", 0}});
  Set(PE(), {{"DT50S", 10}, {"NOEC_T_E", 1}});
  Set(TE, {{"DEPTHF", 0.05}, {"PB", 1.5}});
  pra().CalculateAll(true);
  EXPECT_EQ(Value(TE, "NECSOIL_A"), -9999);
  EXPECT_EQ(Value(TE, "ETRSOIL_A"), -9999);
  EXPECT_NE(Value(TE, "ETRSOIL_C"), -9999);
}

TEST_F(Models, BeesRatioAndItsFault) {
  TTopic& BE = Scenario(ttBees);
  Set(AP(), {{"M", 100}});
  Set(PE(), {{"LD50_T_BEE", 50}});
  const struct {
    double EF_B, etr;
    int cls;
  } cases[] = {{0.02, 100, 2}, {0.019, 100 / (50 * 0.019), 3}};
  for (const auto& c : cases) {
    Set(BE, {{"EF_B", c.EF_B}});
    EXPECT_EQ(Run(ttBees).RiskClass1, c.cls);
    EXPECT_NEAR(Value(BE, "ETRBEE"), c.etr, 1e-9);
  }
  Set(BE, {{"EF_B", 0}});
  const TCalcResultRec r = Run(ttBees);
  EXPECT_EQ(*r.ScenarioMessages, QStringList({"Floating point division by zero"}));
  EXPECT_NEAR(Value(BE, "ETRBEE"), 100 / (50 * 0.019), 1e-9); // kept from the run before
  EXPECT_EQ(r.RiskClass2, 0);
}

TEST_F(Models, NTAMultipleApplicationFactorByRoundedNumber) {
  TTopic& NT = Scenario(ttNTA);
  Set(AP(), {{"M", 10}, {"DRIFT", 5}});
  Set(PE(), {{"LR50_T_NTA", 10}});
  Set(NT, {{"VEG", 10}, {"EF_NTA", 0.5}});
  const std::pair<double, double> cases[] = {{1, 1.0}, {2, 1.7}, {2.5, 1.7}, {3, 2.3},  {3.5, 2.7}, {5, 3.0},
                                             {6, 3.2}, {7, 3.4}, {8, 3.5},   {12, 3.5}, {0, 3.5},   {-9999, 3.5}};
  for (const auto& [n, maf] : cases) {
    AP().SetValue("N", n);
    Run(ttNTA);
    EXPECT_EQ(Value(AP(), "MAF"), maf) << n;
  }
  AP().SetValue("N", 3);
  Run(ttNTA);
  EXPECT_DOUBLE_EQ(Value(NT, "PECNTA_IF"), 23);
  EXPECT_DOUBLE_EQ(Value(NT, "PECNTA_OF"), 0.115);

  // A zero no-effect rate leaves the ratios unwritten, without a fault.
  pra().CalculateAll(false);
  Set(NT, {{"EF_NTA", 0}});
  pra().CalculateAll(true);
  EXPECT_EQ(Value(NT, "AECNTA"), 0);
  EXPECT_EQ(Value(NT, "ETRNTA_IF"), -9999);
  EXPECT_EQ(Value(NT, "ETRNTA_OF"), -9999);
  EXPECT_FALSE(NT.Messages.contains("Floating point division by zero"));
}

TEST_F(Models, GroundwaterMetamodelCutOffAndDrinkingWaterLevel) {
  TTopic& GW = Scenario(ttGroundwater);
  Set(PE(), {{"DT50S", 20}, {"KOM", 50}, {"ADI", 0.01}});
  Set(AP(), {{"MSTACKED", 1000}});
  Set(GW, {{"PR", 0.65},
           {"THETA", 0.3},
           {"DGW", 1},
           {"PB", 1.5},
           {"FOM", 0.0345},
           {"A0", std::log(0.1)},
           {"A1", 0},
           {"A2", 0},
           {"BW", 60},
           {"P", 0.1},
           {"CONSWATER", 2}});
  EXPECT_EQ(Run(ttGroundwater).RiskClass1, 1);
  EXPECT_NEAR(Value(GW, "PECGW_1KGHA"), 0.1, 1e-15);
  EXPECT_NEAR(Value(GW, "PECGW"), 0.1, 1e-15);
  EXPECT_NEAR(Value(GW, "DWS"), 0.03, 1e-15);
  EXPECT_NEAR(Value(GW, "ETRGW"), 0.1 / 30, 1e-15);
  EXPECT_DOUBLE_EQ(Value(GW, "Q"), 0.65 * 0.8634 / 365 - 0.2849 / 365);

  Set(GW, {{"A0", 100}});
  Run(ttGroundwater);
  EXPECT_EQ(Value(GW, "PECGW_1KGHA"), std::exp(100.0));
  Set(GW, {{"A0", 100.000001}});
  Run(ttGroundwater);
  EXPECT_EQ(Value(GW, "PECGW_1KGHA"), 0);

  // Without a given ADI the one derived from the NOAEL is used.
  Set(PE(), {{"ADI", UNDEFINED_VALUE}, {"NOAEL_T_M", 10}, {"EF_M", 100}});
  Set(GW, {{"A0", std::log(0.1)}});
  Run(ttGroundwater);
  EXPECT_DOUBLE_EQ(Value(PE(), "ADI_CALC"), 0.1);
  EXPECT_NEAR(Value(GW, "DWS"), 60 * 0.1 * 0.1 / 2, 1e-15);
}

TEST_F(Models, DietaryPrefersUserConcentrationsAndBoundsTheTransferFactor) {
  TTopic& DI = Scenario(ttDietary);
  Set(PE(), {{"LOGKOW", 3}, {"SOLTREF", 10000}, {"ADI", 0.01}});
  Set(DI, {{"BW", 60},
           {"CONSWATER", 2},
           {"CFISH", 0},
           {"CMF", 0},
           {"CVEGIT", 0},
           {"PECVEGIT", 0},
           {"PECNWATER_U", 1},
           {"PECGW_U", 60}});
  Scenario(ttGroundwater).SetValue("PECGW", 5);
  EXPECT_EQ(Run(ttDietary).RiskClass1, 1);
  EXPECT_EQ(Value(DI, "PECGW_GW"), 5); // copied, yet the user's value is used
  EXPECT_DOUBLE_EQ(Value(DI, "EDI"), 0.002);
  EXPECT_DOUBLE_EQ(Value(DI, "ETRDIET"), 0.2);
  EXPECT_NEAR(Value(DI, "BCF"), 70.794578, 1e-6);
  EXPECT_EQ(Value(DI, "CSOLT"), 10000); // aquatic solubility undefined: SOLTREF
  EXPECT_NEAR(Value(DI, "KD"), 0.6, 1e-12);

  Scenario(ttAquatic).SetValue("CSOLT", 1e6);
  Run(ttDietary);
  EXPECT_EQ(Value(DI, "CSOLT"), 1e6);
  EXPECT_EQ(Value(DI, "KD"), 0);

  DI.SetValue("PECGW_U", UNDEFINED_VALUE);
  Run(ttDietary);
  EXPECT_DOUBLE_EQ(Value(DI, "EDIDW"), 2 * 5 / (60.0 * 1000));
}

TEST_F(Models, DerivedValuesFollowTheirRulesAndEmptySixMessageLists) {
  TTopic& PEt = PE();
  const auto derive = [&](const char* name, double value) {
    PEt.SetValue(QLatin1String(name), value);
    pra().CalcDerivedValue(QLatin1String(name));
  };
  derive("KOM", 100);
  EXPECT_DOUBLE_EQ(Value(PEt, "KOC"), 172.4);
  derive("KOC", 172.4);
  EXPECT_DOUBLE_EQ(Value(PEt, "KOM"), 100);
  derive("DT50S", 20);
  EXPECT_NEAR(Value(PEt, "KS"), 0.034657, 1e-6);
  derive("KS", 0.1);
  EXPECT_NEAR(Value(PEt, "DT50S"), 6.9315, 1e-4);
  derive("KS", 0); // division by zero: swallowed, target unchanged
  EXPECT_NEAR(Value(PEt, "DT50S"), 6.9315, 1e-4);

  PEt.SetValue("ADI_CALC", 0.5);
  derive("NOAEL_T_M", 10);
  EXPECT_EQ(Value(PEt, "ADI_CALC"), 0.5); // only filled while undefined
  PEt.SetValue("ADI_CALC", UNDEFINED_VALUE);
  derive("EF_M", 50);
  EXPECT_EQ(Value(PEt, "ADI_CALC"), 0.2);

  Scenario(ttDietary).SetValue("PECGW_GW", 3);
  pra().CalcDerivedValue("PECGW");
  EXPECT_EQ(Value(Scenario(ttDietary), "PECGW_GW"), -9999);

  for (int t = 0; t < TOPIC_TYPE_COUNT; ++t)
    pra().GetTopic(t)->AddMessage("old");
  pra().CalcDerivedValue("kom"); // other case: no rule, but the lists are emptied
  for (int t = 0; t < TOPIC_TYPE_COUNT; ++t)
    EXPECT_EQ(pra().GetTopic(t)->Messages.isEmpty(), t != ttBees && t != ttNTA) << TopicTypeToName(t);
  EXPECT_DOUBLE_EQ(Value(PEt, "KOC"), 172.4);
}
