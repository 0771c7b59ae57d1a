#include "TestSupport.h"
#include "calc/uCalc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The published aquatic example, inputs of both halves.
struct Aquatic : ::testing::Test, TCalcFixture {
  TTopic& AQ() { return Scenario(ttAquatic); }
  void SetUp() override {
    Set(PE(), {{"DT50_SYSTEM", 10},
               {"TREFKW", 293.15},
               {"VPTREF", 1},
               {"TREFP", 293.15},
               {"SOLTREF", 100},
               {"TREFC", 293.15},
               {"MMOL", 300},
               {"KOM", 100},
               {"LEC50_W_F", 1},
               {"LEC50_W_D", 2},
               {"EC50_W_A", 0.5},
               {"NOEC_W_F", 0.1},
               {"NOEC_W_D", 0.2}});
    Set(AP(), {{"M", 1000}, {"DRIFTDITCH", 1}, {"N", 3}, {"DT", 7}});
    Set(AQ(), {{"T", 283.15},
               {"H", 0.3},
               {"B", 0.4},
               {"S1", 1},
               {"L", 100},
               {"V", 10},
               {"SS", 0.000015},
               {"MOMSS", 0.09},
               {"EF_W_A_F", 0.01},
               {"EF_W_A_D", 0.01},
               {"EF_W_A_A", 0.1},
               {"EF_W_C_F", 0.1},
               {"EF_W_C_D", 0.1}});
  }
  double Value(TTopic& topic, const char* name) { return topic.FindValue(QLatin1String(name))->Value; }
};

// Equal when both round to the same five significant digits.
::testing::AssertionResult SameToFiveDigits(double actual, double expected) {
  const double a = QString::number(actual, 'g', 5).toDouble();
  if (a == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " rounds to " << a << ", expected " << expected;
}

} // namespace

TEST_F(Aquatic, WorkedExampleToFiveSignificantDigits) {
  pra().CalculateAll(false);
  EXPECT_TRUE(SameToFiveDigits(Value(PE(), "KWTREFKW"), 0.069315));
  const std::pair<const char*, double> expected[] = {{"KWT", 0.031697},
                                                     {"VPT", 0.25245},
                                                     {"CSOLT", 67.623},
                                                     {"OX", 1},
                                                     {"A", 0.21},
                                                     {"KL", 1.8383},
                                                     {"KG", 176.36},
                                                     {"KH", 4.7573E-7},
                                                     {"KV", 0.00039951},
                                                     {"TRES", 10},
                                                     {"KDIL", 0.1},
                                                     {"KDIS", 0.13210},
                                                     {"DT50", 5.2473},
                                                     {"V1", 0.21},
                                                     {"CTOT", 4.7619},
                                                     {"PEC1WATER", 4.7613},
                                                     {"PECNWATER", 7.3990},
                                                     {"TWA_F", 3.5471},
                                                     {"TWA_D", 4.0911},
                                                     {"NEC_W_A", 10},
                                                     {"NEC_W_C_F", 10},
                                                     {"NEC_W_C_D", 20},
                                                     {"ETRWATER_A", 0.73990},
                                                     {"ETRWATER_C_F", 0.35471},
                                                     {"ETRWATER_C_D", 0.20456},
                                                     {"ETRWATER_C", 0.20456}};
  for (const auto& [name, value] : expected)
    EXPECT_TRUE(SameToFiveDigits(Value(AQ(), name), value)) << name;
  EXPECT_EQ(pra().Aquatic->Result.RiskClass1, 1);
  EXPECT_EQ(pra().Aquatic->Result.RiskClass2, 1);
  EXPECT_TRUE(AQ().Messages.isEmpty());
}

TEST_F(Aquatic, AZeroFlowVelocityEndsTheFormulasWithAMessage) {
  pra().CalculateAll(false);
  Set(AQ(), {{"V", 0}});
  pra().CalculateAll(false);
  // The fault comes first; the undefined ratios read by the frame follow.
  ASSERT_FALSE(AQ().Messages.isEmpty());
  EXPECT_EQ(AQ().Messages.first(), "Floating point division by zero");
  EXPECT_EQ(*pra().Aquatic->Result.ScenarioMessages, AQ().Messages);
  EXPECT_EQ(Value(AQ(), "TRES"), 10);             // intermediate values keep the last run's
  EXPECT_EQ(Value(AQ(), "ETRWATER_A"), -9999);    // results were cleared and not computed again
  EXPECT_EQ(pra().Aquatic->Result.RiskClass1, 1); // an undefined ETR falls in class 1
}

TEST_F(Aquatic, SingleOrSameDayApplicationsTakeTheFirstConcentration) {
  const struct { double N, DT; } cases[] = {{1, 7}, {1, 0}, {3, 0}, {3, -2}};
  for (const auto& c : cases) {
    Set(AP(), {{"N", c.N}, {"DT", c.DT}});
    pra().CalculateAll(false);
    EXPECT_EQ(Value(AQ(), "PECNWATER"), Value(AQ(), "PEC1WATER")) << c.N << " " << c.DT;
  }
  // Three applications on one day: the interval 0 makes both averages fault.
  Set(AP(), {{"N", 3}, {"DT", 0}});
  pra().CalculateAll(false);
  EXPECT_EQ(Value(AQ(), "TWA_F"), -9999);
  EXPECT_EQ(Value(AQ(), "TWA_D"), -9999);
  EXPECT_EQ(Value(AQ(), "ETRWATER_C"), -9999); // chronic ETRs skipped; both cleared before the run
}

TEST_F(Aquatic, IntervalsAreRoundedToEvenForTheAveragesOnly) {
  for (double dt : {2.5, 3.5}) {
    Set(AP(), {{"DT", dt}});
    pra().CalculateAll(false);
    const double c1 = Value(AQ(), "PEC1WATER"), k = Value(AQ(), "KDIS");
    EXPECT_EQ(Value(AQ(), "TWA_F"), CalcTWA(dt == 2.5 ? 2 : 4, 3, 28, c1, k));
    EXPECT_DOUBLE_EQ(Value(AQ(), "PECNWATER"), c1 * (1 - std::exp(-3 * k * dt)) / (1 - std::exp(-k * dt)));
  }
}

TEST_F(Aquatic, ChronicRatioFollowsTheDefinedNoEffectConcentrations) {
  PE().SetValue("NOEC_W_F", UNDEFINED_VALUE);
  pra().CalculateAll(false);
  EXPECT_EQ(Value(AQ(), "ETRWATER_C"), Value(AQ(), "ETRWATER_C_D"));
  PE().SetValue("NOEC_W_D", UNDEFINED_VALUE);
  pra().CalculateAll(false);
  EXPECT_EQ(Value(AQ(), "ETRWATER_C"), -9999);

  // Only the algae pair defined: the acute NEC is theirs alone.
  Set(PE(), {{"LEC50_W_F", UNDEFINED_VALUE}, {"LEC50_W_D", UNDEFINED_VALUE}});
  pra().CalculateAll(false);
  EXPECT_DOUBLE_EQ(Value(AQ(), "NEC_W_A"), 0.1 * 0.5 * 1000);
  // No acute pair at all: infinite NEC, ratio 0, class 1.
  AQ().SetValue("EF_W_A_A", UNDEFINED_VALUE); // a required input now: only a forced run calculates
  pra().CalculateAll(true);
  EXPECT_TRUE(std::isinf(Value(AQ(), "NEC_W_A")));
  EXPECT_EQ(Value(AQ(), "ETRWATER_A"), 0);
  EXPECT_EQ(pra().Aquatic->Result.RiskClass1, 1);
}

TEST_F(Aquatic, AConstantOnAResultOverridesItForLaterSteps) {
  TCalcFixture constant("UPDATE variable SET constant = 0.5 WHERE name = 'KDIS';\n");
  // Same inputs in the second fixture's PRA.
  for (TTopic* from : {&PE(), &AP(), &AQ()}) {
    TTopic* to = constant.pra().GetTopic(from->TopicType);
    for (const auto& v : from->Values)
      to->SetValue(v->Variable->Name, v->Value);
  }
  constant.pra().CalculateAll(false);
  TTopic& aq = constant.Scenario(ttAquatic);
  EXPECT_EQ(aq.FindValue("KDIS")->Value, 0.5);
  EXPECT_DOUBLE_EQ(aq.FindValue("DT50")->Value, std::log(2.0) / 0.5);
}
