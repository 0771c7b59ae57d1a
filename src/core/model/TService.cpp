#include "model/TService.h"

TService::TService(Tdm& data, const QString& /*databasePath*/) : VariableList(data) {}
