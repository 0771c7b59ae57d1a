#pragma once

#include "model/TVariableList.h"

// Owner of the catalogue, loaded when the service is created. The path is
// accepted for the callers' sake and not used.
class TService {
 public:
  TService(Tdm& data, const QString& databasePath);
  TVariableList VariableList;
};
