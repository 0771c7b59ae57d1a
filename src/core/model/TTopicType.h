#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// "No value": the sentinel of every variable value, model input and result.
// Compared exactly; never written to a database column.
inline constexpr double UNDEFINED_VALUE = -9999.0;

// The eight topics. The numbers are binding: several tables are indexed by them.
enum TTopicType : int {
  ttAquatic = 0,
  ttTerrestrial = 1,
  ttGroundwater = 2,
  ttDietary = 3,
  ttBees = 4,
  ttNTA = 5,
  ttPesticide = 6,
  ttApplication = 7
};

inline constexpr int TOPIC_TYPE_COUNT = 8;
inline constexpr int AREA_COUNT = 6;

// The variable topic of a catalogue row ("SC", "PE", "AP").
enum TVariableTopic : int { toScenario = 0, toPesticide = 1, toApplication = 2 };

// A set of topic types, bit n for topic type n.
class TTopicTypeSet {
 public:
  constexpr TTopicTypeSet() = default;
  constexpr bool Contains(int t) const { return t >= 0 && t < 32 && (bits_ & (1u << t)) != 0; }
  constexpr void Include(int t) { bits_ |= (1u << t); }
  constexpr bool IsEmpty() const { return bits_ == 0; }
  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool operator==(const TTopicTypeSet&) const = default;

 private:
  std::uint32_t bits_ = 0;
};

// "undefined", "No Risk", "Possible Risk", "Risk", indexed by risk class 0..3.
extern const QStringList RiskClassNames;

QString TopicTypeToName(int topicType);           // "Undefined AssessmentType" outside 0..7
QString TopicTypeToCode(int topicType);           // "??" outside 0..7
int TopicTypeToVariableTopic(int topicType);      // 3 (matches no variable) outside 0..7
QString TopicTypeToTable(int topicType);          // item table; empty outside 0..7
QString TopicTypeToRequiredColumn(int topicType); // req_aq..req_nt; empty for pesticide, application
QString TopicTypeToPRAColumn(int topicType);      // ai_id, ap_id, aq_id, ...; empty outside 0..7
bool IsAreaTopicType(int topicType);              // 0..5

// Spreadsheet column letters for 1..702: 1 -> A, 27 -> AA, 702 -> ZZ.
QString ColumnLetter(int column);
