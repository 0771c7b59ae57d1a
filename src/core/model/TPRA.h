#pragma once

#include "model/TAssessment.h"

#include <memory>

// A pesticide risk assessment: one pesticide, one application and a scenario
// for each of the six areas, with the ids of the rows they came from.
class TPRA {
 public:
  explicit TPRA(const TVariableList& catalogue);

  std::unique_ptr<TTopic> PesticideTopic;
  std::unique_ptr<TTopic> ApplicationTopic;
  std::unique_ptr<TAssessment> Aquatic;
  std::unique_ptr<TAssessment> Terrestrial;
  std::unique_ptr<TAssessment> Bees;
  std::unique_ptr<TAssessment> NTA;
  std::unique_ptr<TAssessment> Groundwater;
  std::unique_ptr<TAssessment> Dietary;

  QString PRAName, PesticideName, ApplicationName, AquaticName, TerrestrialName, BeesName, NTAName, GroundwaterName,
      DietaryName;
  QString Crop, Plot, Farm, Location; // the case texts of a batch PRA
  bool Updating = false;              // lookups are being re-selected from the ids: no recalculation
  int PraId = 0, ApId = 0, AiId = 0, AqId = 0, TeId = 0, GwId = 0, DiId = 0, BeId = 0, NtId = 0;

  // The area's assessment (0..5); otherwise an error message and nullptr.
  TAssessment* GetAssessment(int topicType) const;
  // The area's scenario topic (0..5), the pesticide (6) or application (7)
  // topic; otherwise an error message and nullptr.
  TTopic* GetTopic(int topicType) const;
  void GetInputData(int topicType, TInputDataRec& rec) const;
  // The six assessments in calculation order: aquatic, terrestrial, bees, NTA,
  // groundwater, dietary.
  std::vector<TAssessment*> Assessments() const;
  // Clears the OUTPUT values of the six scenarios, then calculates every
  // assessment whose inputs are complete (every one when forced).
  void CalculateAll(bool force);
  // Recomputes the values that follow from the named variable.
  void CalcDerivedValue(const QString& name);

  // Id of the chosen row of a topic type (0 = none); outside 0..7 nothing.
  int GetTopicId(int topicType) const;
  void SetTopicId(int topicType, int id);

 private:
  int* TopicIdField(int topicType);
};
