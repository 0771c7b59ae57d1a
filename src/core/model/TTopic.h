#pragma once

#include "model/TVariableValue.h"

#include <QStringList>
#include <memory>
#include <vector>

class TDataSet;
class TPRA;
class TVariableList;

// The values one item contributes to an assessment: one pesticide, one
// application, or one scenario of one area. Values are addressed by the
// variable's name, compared exactly; the first of a name wins.
class TTopic {
 public:
  // Holds every catalogue variable of the topic type, in catalogue order:
  // "PE" variables for the pesticide, "AP" for the application, and the "SC"
  // variables required by the area for an area's scenario.
  TTopic(TPRA* pra, const TVariableList& catalogue, TTopicType topicType);

  TPRA* PRA; // not owned
  TTopicType TopicType;
  std::vector<std::unique_ptr<TVariableValue>> Values;
  int Count;
  QStringList Messages;
  QString Name;
  QString Descr;

  TVariableValue* FindValue(const QString& name) const; // nullptr when absent
  // The value, or -9999 with a message (and an error dialog when the topic
  // does not hold the name).
  double GetValue(const QString& name);
  void SetValue(const QString& name, double value);
  bool IsUndefined(const QString& name) const;
  void ClearValues(const TVariableTypeSet& types);
  // Fills name, description and values from the current row; an area topic
  // also records the row's id in its PRA.
  void LoadFromRow(const TDataSet& dataset);
  // Fills from the row of that id in the topic type's second dataset; false
  // (nothing changed) when there is no such row.
  bool LoadById(int id);
  void AddMessage(const QString& text) { Messages.append(text); }
  void ClearMessages() { Messages.clear(); }

 private:
  void FillValues(const TDataSet& dataset);
};
