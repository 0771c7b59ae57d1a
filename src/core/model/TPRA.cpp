#include "model/TPRA.h"

#include "calc/uCalc.h"
#include "data/TDialogs.h"

TPRA::TPRA(const TVariableList& catalogue)
    : PesticideTopic(std::make_unique<TTopic>(this, catalogue, ttPesticide)),
      ApplicationTopic(std::make_unique<TTopic>(this, catalogue, ttApplication)) {
  const auto make = [&](TTopicType area) {
    return std::make_unique<TAssessment>(this, area, catalogue, PesticideTopic.get(), ApplicationTopic.get());
  };
  Aquatic = make(ttAquatic);
  Terrestrial = make(ttTerrestrial);
  Bees = make(ttBees);
  NTA = make(ttNTA);
  Groundwater = make(ttGroundwater);
  Dietary = make(ttDietary);
}

TAssessment* TPRA::GetAssessment(int topicType) const {
  switch (topicType) {
  case ttAquatic:
    return Aquatic.get();
  case ttTerrestrial:
    return Terrestrial.get();
  case ttGroundwater:
    return Groundwater.get();
  case ttDietary:
    return Dietary.get();
  case ttBees:
    return Bees.get();
  case ttNTA:
    return NTA.get();
  default:
    ShowError(QStringLiteral("error: Can not get Assessment for this TopicType: function TPRA.GetAssessment(TopicType "
                             ": TTopicType): TAssessment;"));
    return nullptr;
  }
}

TTopic* TPRA::GetTopic(int topicType) const {
  if (IsAreaTopicType(topicType)) return GetAssessment(topicType)->Scenario.get();
  if (topicType == ttPesticide) return PesticideTopic.get();
  if (topicType == ttApplication) return ApplicationTopic.get();
  ShowError(QStringLiteral("error: function TPRA.GetTopic(TopicType : TTopicType): TAssessment;"));
  return nullptr;
}

void TPRA::GetInputData(int topicType, TInputDataRec& rec) const {
  if (const TAssessment* a = GetAssessment(topicType)) a->GetInputData(rec);
}

std::vector<TAssessment*> TPRA::Assessments() const {
  return {Aquatic.get(), Terrestrial.get(), Bees.get(), NTA.get(), Groundwater.get(), Dietary.get()};
}

int* TPRA::TopicIdField(int topicType) {
  switch (topicType) {
  case ttAquatic:
    return &AqId;
  case ttTerrestrial:
    return &TeId;
  case ttGroundwater:
    return &GwId;
  case ttDietary:
    return &DiId;
  case ttBees:
    return &BeId;
  case ttNTA:
    return &NtId;
  case ttPesticide:
    return &AiId;
  case ttApplication:
    return &ApId;
  default:
    return nullptr;
  }
}

int TPRA::GetTopicId(int topicType) const {
  const int* field = const_cast<TPRA*>(this)->TopicIdField(topicType);
  return field ? *field : 0;
}

void TPRA::SetTopicId(int topicType, int id) {
  if (int* field = TopicIdField(topicType)) *field = id;
}

void TPRA::CalculateAll(bool force) {
  const std::vector<TAssessment*> assessments = Assessments();
  for (TAssessment* a : assessments)
    a->Scenario->ClearValues({vtOutput});
  for (TAssessment* a : assessments) {
    TInputDataRec rec;
    a->GetInputData(rec);
    if (rec.Status != 0 || force) a->Calculate();
  }
}

void TPRA::CalcDerivedValue(const QString& name) {
  DeriveValues(*this, name);
}
