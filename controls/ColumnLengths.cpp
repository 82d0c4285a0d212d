#include "controls/ColumnLengths.h"

int TColumnLengths::Longest(int column) const {
  return column < static_cast<int>(columns_.size()) ? columns_[static_cast<size_t>(column)].longest : 0;
}

void TColumnLengths::Count(int column, int length, int delta) {
  if (length == 0) return;
  if (column >= static_cast<int>(columns_.size())) columns_.resize(static_cast<size_t>(column) + 1);
  TColumn& c = columns_[static_cast<size_t>(column)];
  if (length >= static_cast<int>(c.rowsOfLength.size())) c.rowsOfLength.resize(static_cast<size_t>(length) + 1);
  c.rowsOfLength[static_cast<size_t>(length)] += delta;
  if (delta > 0 && length > c.longest) c.longest = length;
  while (c.longest > 0 && c.rowsOfLength[static_cast<size_t>(c.longest)] == 0) --c.longest;
}
