#pragma once
// A string list's items as a vector, so tests can compare whole lists.

#include <string>
#include <vector>

#include "platform/StringList.h"

inline std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}
