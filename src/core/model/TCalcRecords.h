#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// Completeness of one list of values.
struct TCountRec {
  std::uint8_t Status = 0; // 1 complete, 2 complete except optional values, 0 incomplete
  int Total = 0;
  int Filled = 0;   // defined, or with a defined alternative of the same choice group
  int Optional = 0; // undefined and optional
  QString Missing;  // the other undefined names, each preceded by one blank
};

// Completeness of an assessment's inputs.
struct TInputDataRec {
  std::uint8_t Status = 0; // 1 all complete, 2 complete except optional pesticide values, 0 otherwise
  TCountRec Pesticide;
  TCountRec Application;
  TCountRec Scenario;
};

// Outcome of one calculation. The message lists point at the three topics'
// own lists (not copies); null before the first calculation.
struct TCalcResultRec {
  const QStringList* PesticideMessages = nullptr;
  const QStringList* ApplicationMessages = nullptr;
  const QStringList* ScenarioMessages = nullptr;
  std::uint8_t RiskClass1 = 0; // index into RiskClassNames
  std::uint8_t RiskClass2 = 0; // 0 for areas with one result
};
