#pragma once

#include <QString>

class TPRA;
class Tdm;
class TDataSet;

// The item list of saved PRAs, beside the eight topic types, where an item
// kind is asked for.
inline constexpr int PRA_ITEM_TYPE = 8;

// Loads a PRA's items from the second datasets, as a comparison column does,
// so the main window's lists keep their positions.
class TPRALoader {
 public:
  explicit TPRALoader(Tdm& data) : data_(data) {}

  // The list of an item kind (0..7 topic types, PRA_ITEM_TYPE), nullptr otherwise.
  TDataSet* ItemList(int itemType) const;
  // The id of the item written as "#ID" or by its name (exact, else without
  // regard to case); 0 when there is none.
  int FindItem(int itemType, const QString& nameOrId) const;
  // The id of the first read-only row of the list (a placeholder or reference
  // item); 0 when there is none.
  int FirstReadOnlyId(int itemType) const;
  // Takes the saved PRA's id and the ids of its eight items; false when the
  // PRA does not exist (nothing changed).
  bool SelectPRA(TPRA& pra, int praId) const;
  // Loads the eight topics from their rows: each topic is cleared and filled
  // from the row of its id; an id of 0, or of a row that is gone, falls back
  // to the first read-only row of its list (the placeholder or reference
  // item), whose id the PRA then takes. Names are set from the rows.
  void LoadItems(TPRA& pra) const;

 private:
  Tdm& data_;
};
