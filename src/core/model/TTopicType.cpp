#include "model/TTopicType.h"

namespace {

struct TTopicTypeInfo {
  const char* Name;
  const char* Code;
  int VariableTopic;
  const char* Table;
  const char* RequiredColumn;
  const char* PRAColumn;
};

constexpr TTopicTypeInfo TopicTypeInfo[TOPIC_TYPE_COUNT] = {
    {"Aquatic", "AQ", toScenario, "sc_aquatic", "req_aq", "aq_id"},
    {"Terrestrial", "TE", toScenario, "sc_terrestrial", "req_te", "te_id"},
    {"Groundwater", "GW", toScenario, "sc_groundwater", "req_gw", "gw_id"},
    {"Dietary", "DI", toScenario, "sc_dietary", "req_di", "di_id"},
    {"Bees", "BE", toScenario, "sc_bees", "req_be", "be_id"},
    {"NTA", "NT", toScenario, "sc_nta", "req_nt", "nt_id"},
    {"Pesticide", "PE", toPesticide, "EXPORT_0", "", "ai_id"},
    {"Application", "AP", toApplication, "application", "", "ap_id"},
};

bool InRange(int t) {
  return t >= 0 && t < TOPIC_TYPE_COUNT;
}

} // namespace

const QStringList RiskClassNames = {"undefined", "No Risk", "Possible Risk", "Risk"};

QString TopicTypeToName(int topicType) {
  return InRange(topicType) ? QString::fromLatin1(TopicTypeInfo[topicType].Name)
                            : QStringLiteral("Undefined AssessmentType");
}

QString TopicTypeToCode(int topicType) {
  return InRange(topicType) ? QString::fromLatin1(TopicTypeInfo[topicType].Code) : QStringLiteral("??");
}

int TopicTypeToVariableTopic(int topicType) {
  return InRange(topicType) ? TopicTypeInfo[topicType].VariableTopic : 3;
}

QString TopicTypeToTable(int topicType) {
  return InRange(topicType) ? QString::fromLatin1(TopicTypeInfo[topicType].Table) : QString();
}

QString TopicTypeToRequiredColumn(int topicType) {
  return InRange(topicType) ? QString::fromLatin1(TopicTypeInfo[topicType].RequiredColumn) : QString();
}

QString TopicTypeToPRAColumn(int topicType) {
  return InRange(topicType) ? QString::fromLatin1(TopicTypeInfo[topicType].PRAColumn) : QString();
}

bool IsAreaTopicType(int topicType) {
  return topicType >= ttAquatic && topicType <= ttNTA;
}

QString ColumnLetter(int column) {
  static const QString Letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  if (column <= 26) return Letters.mid(column - 1, 1);
  return Letters.mid((column - 1) / 26 - 1, 1) + Letters.mid((column - 1) % 26, 1);
}
