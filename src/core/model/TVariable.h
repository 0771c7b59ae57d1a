#pragma once

#include "model/TTopicType.h"

#include <QString>
#include <cstdint>
#include <limits>

// The type column of a catalogue row.
enum TVariableType : int { vtInput = 0, vtInpHid = 1, vtInter = 2, vtOutput = 3, vtAll = 4 };

// A set of variable types, as ClearValues takes it; vtAll stands for every type.
class TVariableTypeSet {
 public:
  constexpr TVariableTypeSet() = default;
  constexpr TVariableTypeSet(std::initializer_list<TVariableType> types) {
    for (TVariableType t : types)
      bits_ |= (1u << t);
  }
  constexpr bool Contains(int t) const { return t >= 0 && t < 32 && (bits_ & (1u << t)) != 0; }

 private:
  std::uint32_t bits_ = 0;
};

// One variable definition of the catalogue (a row of table `variable`).
// Undefined numbers are -9999; unset range bounds are infinite; unset digit
// counts are 255.
class TVariable {
 public:
  int Id = 0;
  TVariableType VarType = vtInput;
  TVariableTopic Topic = toScenario;
  QString Name;
  QString Label;
  QString Descr;
  QString Unit;
  double Constant = UNDEFINED_VALUE;
  double Default = UNDEFINED_VALUE;
  std::uint8_t Decimals = 255;
  mutable std::uint8_t Precision = 255; // the user may change how many digits are shown, at run time
  int ChoiceId = static_cast<int>(UNDEFINED_VALUE);
  int OptionId = 0;
  double RangeMin = -std::numeric_limits<double>::infinity();
  double RangeMax = std::numeric_limits<double>::infinity();
  TTopicTypeSet Required;

  bool HasConstant() const { return Constant != UNDEFINED_VALUE; }
  bool HasDefault() const { return Default != UNDEFINED_VALUE; }
  bool HasChoice() const { return ChoiceId != static_cast<int>(UNDEFINED_VALUE); }
};

// Conversions of the type and topic texts. The exact texts only; anything
// else raises EZelvanError "Undefined situation 1" .. "Undefined situation 4".
QString VarTypeToStr(const TVariable& variable);
TVariableType StrToVarType(const QString& text);
QString TopicToStr(const TVariable& variable);
TVariableTopic StrToTopic(const QString& text);
