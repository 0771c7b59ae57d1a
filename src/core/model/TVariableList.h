#pragma once

#include "model/TVariable.h"

#include <memory>
#include <vector>

class Tdm;

// The variable catalogue: every row of table `variable` with a type, in the
// order type, topic, name. Owns its variables for as long as it lives; topics
// and assessments only refer to them.
class TVariableList {
 public:
  // Loads the catalogue from the main database of `data`. Rows with missing
  // texts are reported with a warning and kept; an unknown type or topic text
  // raises EZelvanError and the load stops. Database errors raise EDatabaseError.
  explicit TVariableList(Tdm& data);

  const std::vector<const TVariable*>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // The first variable of that name, compared without regard to case.
  const TVariable* FindByName(const QString& name) const;

 private:
  std::vector<std::unique_ptr<TVariable>> owned_;
  std::vector<const TVariable*> items_;
};
