#pragma once
// How many rows hold a text of each length, per column, so that the longest text of a column is
// known at once as rows come and go.

#include <vector>

#include "platform/Text.h"

class TColumnLengths {
public:
  void Clear() { columns_.clear(); }
  void Add(int column, const AnsiString& text) { Count(column, static_cast<int>(text.size()), +1); }
  void Remove(int column, const AnsiString& text) { Count(column, static_cast<int>(text.size()), -1); }
  // The length of the longest text of the column; 0 when it holds none.
  int Longest(int column) const;

private:
  struct TColumn {
    std::vector<int> rowsOfLength;
    int longest = 0;
  };
  void Count(int column, int length, int delta);
  std::vector<TColumn> columns_;
};
