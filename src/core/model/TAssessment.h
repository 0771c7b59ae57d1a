#pragma once

#include "model/TCalcRecords.h"
#include "model/TTopic.h"

#include <memory>
#include <vector>

class TPRA;

// Counts the INPUT and INPHID values of the list that the area requires.
TCountRec CountValues(const std::vector<TVariableValue*>& values, int area);

// One area of a PRA: its scenario topic, and the pesticide and application
// values the area needs.
class TAssessment {
 public:
  TAssessment(TPRA* pra, TTopicType area, const TVariableList& catalogue, TTopic* pesticideTopic,
              TTopic* applicationTopic);

  TPRA* PRA; // not owned
  TTopicType TopicType;
  std::vector<TVariableValue*> PesticideValues;   // not owned
  std::vector<TVariableValue*> ApplicationValues; // not owned
  std::unique_ptr<TTopic> Scenario;
  int PesticideCount;
  int ApplicationCount;
  int ScenarioCount;
  TCalcResultRec Result;

  void GetInputData(TInputDataRec& rec) const;
  // Runs the area's model and keeps the outcome in Result.
  TCalcResultRec Calculate();
};
