#include "platform/StringList.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/ScopedEnv.h"

namespace {

std::vector<AnsiString> Items(const TStringList& list) {
  std::vector<AnsiString> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

TStringList ListOf(std::initializer_list<const char*> items) {
  TStringList list;
  for (const char* item : items) list.Add(item);
  return list;
}

TEST(StringList, AddInsertDeleteKeepOrder) {
  TStringList list;
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.Add("d"), 1);
  list.Insert(0, "a");
  list.Insert(2, "c");
  list.Insert(4, "e");
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"a", "b", "c", "d", "e"}));
  list.Delete(1);
  list.Put(0, "A");
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"A", "c", "d", "e"}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexesOutsideTheListRaise) {
  TStringList list = ListOf({"a", "b"});
  const std::vector<std::pair<int, std::function<void()>>> cases = {
      {2, [&] { (void)list.Strings(2); }},
      {-1, [&] { (void)list[-1]; }},
      {3, [&] { list.Insert(3, "x"); }},
      {-1, [&] { list.Insert(-1, "x"); }},
      {2, [&] { list.Delete(2); }},
      {5, [&] { list.Put(5, "x"); }},
      {2, [&] { (void)list.Names(2); }},
      {-1, [&] { (void)list.ValueFromIndex(-1); }},
  };
  for (const auto& [index, call] : cases) {
    try {
      call();
      ADD_FAILURE() << "index " << index << " was accepted";
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message, "List index out of bounds (" + std::to_string(index) + ")");
      EXPECT_EQ(e.ClassName(), "EStringListError");
    }
  }
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"a", "b"}));
}

TEST(StringList, IndexOfIgnoresLetterCase) {
  ScopedCodePage gb(936);
  TStringList list = ListOf({"Alpha", "beta", "\xD6\xD0"});
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("Beta"), 1);
  EXPECT_EQ(list.IndexOf("\xD6\xD0"), 2);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringList, TextJoinsWithCrLfAndSplitsAtAnyLineBreak) {
  struct Case {
    const char* text;
    std::vector<AnsiString> items;
  };
  const std::vector<Case> cases = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
      {"\n\r", {"", ""}},
      {"\r\n", {""}},
      {"", {}},
  };
  for (const auto& c : cases) {
    TStringList list = ListOf({"old"});
    list.SetText(c.text);
    EXPECT_EQ(Items(list), c.items) << c.text;
  }
  EXPECT_EQ(ListOf({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
  EXPECT_EQ(TStringList().Text(), "");
}

TEST(StringList, NamesAndValues) {
  TStringList list = ListOf({"Path1=/opt/a=b", "Lonely", "=anonymous", "Path2="});
  EXPECT_EQ(list.Names(0), "Path1");
  EXPECT_EQ(list.ValueFromIndex(0), "/opt/a=b");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.ValueFromIndex(1), "");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.ValueFromIndex(2), "anonymous");
  EXPECT_EQ(list.Values("PATH1"), "/opt/a=b");
  EXPECT_EQ(list.Values("Path2"), "");
  EXPECT_EQ(list.Values("Lonely"), "");
  EXPECT_EQ(list.IndexOfName("path2"), 3);
  EXPECT_EQ(list.IndexOfName("Lonely"), -1);
  EXPECT_EQ(list.IndexOfName(""), 2);
}

TEST(StringList, SetValuesReplacesAppendsAndRemoves) {
  TStringList list = ListOf({"a=1", "B=2"});
  list.SetValues("b", "20");
  list.SetValues("c", "3");
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"a=1", "b=20", "c=3"}));
  list.SetValues("A", "");
  list.SetValues("none", "");
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"b=20", "c=3"}));
}

TEST(StringList, OnChangeFollowsEveryChange) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"Add", [&] { list.Add("a=1"); }},
      {"Insert", [&] { list.Insert(0, "b"); }},
      {"Put", [&] { list.Put(0, "c"); }},
      {"SetValues", [&] { list.SetValues("a", "2"); }},
      {"Delete", [&] { list.Delete(0); }},
      {"SetText", [&] { list.SetText("x\r\ny\r\nz"); }},
      {"Assign", [&] { list.Assign(ListOf({"p", "q"})); }},
      {"Clear", [&] { list.Clear(); }},
  };
  for (const auto& [name, change] : cases) {
    changes = 0;
    change();
    EXPECT_EQ(changes, 1) << name;
  }
  changes = 0;
  list.Clear();
  (void)list.IndexOf("x");
  EXPECT_EQ(changes, 0);
}

TEST(StringList, AssignCopiesTheItemsOnly) {
  TStringList target = ListOf({"old"});
  int changes = 0;
  target.OnChange = [&] { ++changes; };
  TStringList source = ListOf({"x", "y"});
  target.Assign(source);
  source.Put(0, "changed");
  EXPECT_EQ(Items(target), (std::vector<AnsiString>{"x", "y"}));
  target.Assign(target);
  EXPECT_EQ(Items(target), (std::vector<AnsiString>{"x", "y"}));
  EXPECT_EQ(changes, 1);
}

}  // namespace
