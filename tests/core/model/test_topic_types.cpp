#include "data/TDialogs.h"
#include "model/TTopicType.h"
#include "model/TVariable.h"

#include <gtest/gtest.h>

TEST(TopicTypes, ColumnLetterCoversOneAndTwoLetterColumns) {
  const std::pair<int, const char*> cases[] = {{1, "A"},   {26, "Z"},  {27, "AA"},  {28, "AB"},
                                               {52, "AZ"}, {53, "BA"}, {701, "ZY"}, {702, "ZZ"}};
  for (const auto& [column, letters] : cases)
    EXPECT_EQ(ColumnLetter(column), QLatin1String(letters)) << column;
}

TEST(TopicTypes, NamesCodesAndVariableTopicsFollowTheFixedOrder) {
  const char* names[] = {"Aquatic", "Terrestrial", "Groundwater", "Dietary", "Bees", "NTA", "Pesticide", "Application"};
  const char* codes[] = {"AQ", "TE", "GW", "DI", "BE", "NT", "PE", "AP"};
  for (int t = 0; t < TOPIC_TYPE_COUNT; ++t) {
    EXPECT_EQ(TopicTypeToName(t), QLatin1String(names[t]));
    EXPECT_EQ(TopicTypeToCode(t), QLatin1String(codes[t]));
    EXPECT_EQ(TopicTypeToVariableTopic(t), t < 6 ? toScenario : t == 6 ? toPesticide : toApplication);
  }
  for (int t : {-1, 8, 99}) {
    EXPECT_EQ(TopicTypeToName(t), QLatin1String("Undefined AssessmentType"));
    EXPECT_EQ(TopicTypeToCode(t), QLatin1String("??"));
    EXPECT_EQ(TopicTypeToVariableTopic(t), 3);
  }
  EXPECT_EQ(RiskClassNames, QStringList({"undefined", "No Risk", "Possible Risk", "Risk"}));
}

TEST(VariableConversions, ExactTextsOnlyAndNumberedErrorsOtherwise) {
  EXPECT_EQ(StrToVarType("INPUT"), vtInput);
  EXPECT_EQ(StrToVarType("INPHID"), vtInpHid);
  EXPECT_EQ(StrToVarType("INTER"), vtInter);
  EXPECT_EQ(StrToVarType("OUTPUT"), vtOutput);
  EXPECT_EQ(StrToTopic("SC"), toScenario);
  EXPECT_EQ(StrToTopic("PE"), toPesticide);
  EXPECT_EQ(StrToTopic("AP"), toApplication);

  const auto message = [](auto call) {
    try {
      call();
    } catch (const EZelvanError& e) {
      return e.Message();
    }
    return QStringLiteral("no error");
  };
  TVariable bad;
  bad.VarType = static_cast<TVariableType>(7);
  bad.Topic = static_cast<TVariableTopic>(5);
  EXPECT_EQ(message([&] { VarTypeToStr(bad); }), "Undefined situation 1");
  EXPECT_EQ(message([] { StrToVarType("input"); }), "Undefined situation 2");
  EXPECT_EQ(message([&] { TopicToStr(bad); }), "Undefined situation 3");
  EXPECT_EQ(message([] { StrToTopic("sc"); }), "Undefined situation 4");
}
