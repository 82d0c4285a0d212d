#pragma once
// The rows of a panel list computed the plain way, step by step over all rows, as the list's
// rules state them: the reference that AddRow's kept state is checked against.

#include <algorithm>
#include <string>
#include <vector>

#include "controls/TarnListView.h"

struct TModelRow {
  int id = 0;
  std::vector<AnsiString> texts;  // caption, then sub-items
};

class TListRowsModel {
public:
  std::vector<TModelRow> rows;
  std::vector<AnsiString> columns;
  bool sorted = false;
  TCheckDuplicate check = cd_None;
  int sortColumn = 0;
  bool ascending = true;

  static AnsiString Text(const TModelRow& row, int k) {
    return k < static_cast<int>(row.texts.size()) ? row.texts[static_cast<size_t>(k)] : AnsiString();
  }
  int Compare(const TModelRow& a, const TModelRow& b) const {
    std::vector<int> order{sortColumn};
    if (sortColumn == 0) order.push_back(1);
    else if (sortColumn == 1) order.push_back(0);
    else order.insert(order.end(), {0, 1});
    int r = 0;
    for (int k : order)
      if ((r = CompareText(Text(a, k), Text(b, k))) != 0) break;
    return ascending ? r : -r;
  }
  void Sort() {
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) { return Compare(a, b) < 0; });
  }
  bool Same(const AnsiString& a, const AnsiString& b) const {
    return check == cd_CheckCase ? a == b : UpperCase(a) == UpperCase(b);
  }
  void RemoveDuplicates() {
    if (check == cd_None) return;
    for (size_t i = rows.size() - 1; i >= 1 && i < rows.size(); --i)
      if (Same(rows[i].texts[0], rows[i - 1].texts[0])) rows.erase(rows.begin() + static_cast<long>(i));
  }
  void Add(const std::vector<AnsiString>& values) {
    while (columns.size() < values.size()) columns.push_back("Data" + IntToStr(static_cast<int>(columns.size()) + 1));
    int id = nextId++;
    rows.push_back({id, {""}});
    // Setting the caption sorts a sorting list, unless the caption stays empty.
    rows.back().texts[0] = values[0];
    if (sorted && !values[0].empty()) Sort();
    auto& row = *std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.id == id; });
    row.texts.insert(row.texts.end(), values.begin() + 1, values.end());
    size_t most = 0;
    for (const auto& r : rows) most = std::max(most, r.texts.size());
    for (auto& r : rows) r.texts.resize(most);
    RemoveDuplicates();
  }
  // Column k's width in characters.
  int Longest(size_t k) const {
    size_t longest = columns[k].size();
    for (const auto& r : rows)
      if (k < r.texts.size()) longest = std::max(longest, r.texts[k].size());
    return static_cast<int>(longest);
  }

private:
  int nextId = 0;
};
