#include "controls/TarnListView.h"

#include <random>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/controls/ListRowsModel.h"
#include "tests/platform/ControlFixture.h"
#include "tests/support/ScopedEnv.h"

namespace {

std::vector<std::vector<AnsiString>> Rows(const TTarnListView& view) {
  std::vector<std::vector<AnsiString>> out;
  for (int i = 0; i < view.Items()->Count(); ++i) {
    const TListItem& item = *view.Items()->Item(i);
    std::vector<AnsiString> row{item.Caption()};
    for (int k = 0; k < item.SubItems()->Count(); ++k) row.push_back(item.SubItems()->Strings(k));
    out.push_back(row);
  }
  return out;
}

std::vector<AnsiString> ColumnCaptions(const TTarnListView& view) {
  std::vector<AnsiString> out;
  for (int k = 0; k < view.Columns()->Count(); ++k) out.push_back(view.Columns()->Items(k)->Caption());
  return out;
}

int WidthOfW(const TTarnListView& view) {
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(view.Font());
  return measure.Canvas()->TextWidth("W");
}

class TThrower : public TComponent {
  PAVANE_CLASS(TThrower, TComponent)
public:
  using TComponent::TComponent;
  void Changing(TObject*, TListItem*, TItemChange, bool&) { throw Exception("refused by the test"); }
};

const TClassInfo& TThrower::StaticClass() {
  static const TClassInfo info = DescribeClass<TThrower>("TThrower");
  return info;
}

// An exit check that fails: the focus stays in the edit.
class TKeepFocus : public TComponent {
  PAVANE_CLASS(TKeepFocus, TComponent)
public:
  using TComponent::TComponent;
  TWinControl* Keep = nullptr;
  void Exit(TObject*) { Keep->SetFocus(); }
};

const TClassInfo& TKeepFocus::StaticClass() {
  static const TClassInfo info = DescribeClass<TKeepFocus>("TKeepFocus");
  return info;
}

}  // namespace

class TarnListViews : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    list = Add<TTarnListView>("ListBox", 10, 10, 300, 200);
    list->SetViewStyle(vsReport);
  }
  ScopedCodePage codePage{936};
  TTarnListView* list;
};

TEST_F(TarnListViews, AddRowGrowsTheColumnsAndPadsTheRows) {
  ASSERT_TRUE(list->AddRow({"A01", "Alpha"}));
  EXPECT_EQ(ColumnCaptions(*list), (std::vector<AnsiString>{"Data1", "Data2"}));
  ASSERT_TRUE(list->AddRow({"B02"}));
  EXPECT_EQ(ColumnCaptions(*list), (std::vector<AnsiString>{"Data1", "Data2"}));
  EXPECT_EQ(Rows(*list), (std::vector<std::vector<AnsiString>>{{"A01", "Alpha"}, {"B02", ""}}));

  ASSERT_TRUE(list->AddRow({"C03", "Gamma", "third"}));
  EXPECT_EQ(ColumnCaptions(*list), (std::vector<AnsiString>{"Data1", "Data2", "Data3"}));
  EXPECT_EQ(Rows(*list), (std::vector<std::vector<AnsiString>>{
                             {"A01", "Alpha", ""}, {"B02", "", ""}, {"C03", "Gamma", "third"}}));
}

TEST_F(TarnListViews, AddRowKeepsCaptionsOfExistingColumns) {
  list->Columns()->Add()->SetCaption("Code");
  ASSERT_TRUE(list->AddRow({"A01", "Alpha"}));
  EXPECT_EQ(ColumnCaptions(*list), (std::vector<AnsiString>{"Code", "Data2"}));
}

TEST_F(TarnListViews, AddRowWithoutTextsAddsNothing) {
  EXPECT_FALSE(list->AddRow({}));
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(list->Columns()->Count(), 0);
}

TEST_F(TarnListViews, AFailingStepMakesAddRowFalseAndIsRecorded) {
  auto* thrower = New<TThrower>(form);
  list->OnChanging = Bind<&TThrower::Changing>(thrower);
  EXPECT_FALSE(list->AddRow({"A01"}));
  EXPECT_EQ(Application->LastExceptionMessage(), "refused by the test");
  list->OnChanging = {};
  // The rows are learnt again: the next row is added over all rows.
  EXPECT_TRUE(list->AddRow({"B02", "Beta"}));
  EXPECT_EQ(Rows(*list), (std::vector<std::vector<AnsiString>>{{"", ""}, {"B02", "Beta"}}));
}

TEST_F(TarnListViews, DuplicatesOfTheFirstColumnGoByTheRule) {
  struct Case {
    TCheckDuplicate check;
    std::vector<std::vector<AnsiString>> expected;
  } cases[] = {
      // The new row sorts before ABC (its sub-item is empty while it is placed), so ABC goes.
      {cd_CaseInsensitive, {{"abc", "second"}}},
      {cd_CheckCase, {{"abc", "second"}, {"ABC", "first"}}},
      {cd_None, {{"abc", "second"}, {"ABC", "first"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.check);
    list->ClearRows();
    list->SetSortType(stText);
    list->SetCheckDuplicate(c.check);
    list->AddRow({"ABC", "first"});
    list->AddRow({"abc", "second"});
    EXPECT_EQ(Rows(*list), c.expected);
  }
}

TEST_F(TarnListViews, DuplicatesAreOnlyNeighbours) {
  list->SetCheckDuplicate(cd_CheckCase);
  for (const char* code : {"A", "B", "A"}) list->AddRow({code});
  EXPECT_EQ(Rows(*list), (std::vector<std::vector<AnsiString>>{{"A"}, {"B"}, {"A"}}));
}

TEST_F(TarnListViews, CompareRowsBreaksTiesByTheNextColumns) {
  list->SetSortType(stText);
  for (auto row : std::vector<std::vector<AnsiString>>{{"B", "x"}, {"a", "y"}, {"A", "z"}}) list->AddRow(row);
  list->SortRows();
  EXPECT_EQ(Rows(*list), (std::vector<std::vector<AnsiString>>{{"a", "y"}, {"A", "z"}, {"B", "x"}}));

  struct Case {
    int column;
    bool ascending;
    std::vector<AnsiString> order;  // captions
  } cases[] = {
      {0, true, {"a", "A", "b", "c"}},  // 0, then 1; a and A are equal and keep their order
      {1, true, {"c", "a", "A", "b"}},  // 1, then 0
      {2, true, {"b", "c", "a", "A"}},  // 2, then 0, then 1: the missing texts sort first
      {2, false, {"a", "A", "c", "b"}},
  };
  // a goes before A when it is added: its sub-items are still empty while it is placed.
  list->ClearRows();
  for (auto row : std::vector<std::vector<AnsiString>>{{"A", "k", "m"}, {"a", "k", "m"}, {"c", "j", ""}, {"b", "q"}})
    list->AddRow(row);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.column);
    list->SetSortOrder(c.column, c.ascending);
    list->SortRows();
    std::vector<AnsiString> captions;
    for (const auto& row : Rows(*list)) captions.push_back(row[0]);
    EXPECT_EQ(captions, c.order);
  }
}

TEST_F(TarnListViews, ColumnsFitTheLongestTextOrCaption) {
  const int w = WidthOfW(*list);
  list->AddRow({"A1", GbText("名称")});
  list->AddRow({"B0002"});
  EXPECT_EQ(list->Columns()->Items(0)->Width(), 5 * w);
  EXPECT_EQ(list->Columns()->Items(1)->Width(), 5 * w);  // "Data2" is longer than the two GB characters
  list->AddRow({"C", GbText("名称名称名称")});
  EXPECT_EQ(list->Columns()->Items(1)->Width(), 12 * w);

  list->SetColumnsAutoSize(false);
  list->AddRow({"D", "a much longer name than before"});
  EXPECT_EQ(list->Columns()->Items(1)->Width(), 12 * w);
}

// Every row that AddRow adds must leave the rows, columns and widths exactly as the plain
// step-by-step algorithm does, whatever happened to the list before.
struct TListScript {
  const char* name;
  unsigned seed;
  bool sorted;
  TCheckDuplicate check;
  int steps;
};

class TarnListViewScripts : public TarnListViews, public ::testing::WithParamInterface<TListScript> {};

TEST_P(TarnListViewScripts, AddRowMatchesThePlainAlgorithm) {
  const TListScript& script = GetParam();
  std::mt19937 random(script.seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::vector<AnsiString> codes{"a", "A", "b", "B", "ab", "AB", "c", "", GbText("名"), "abc"};
  const std::vector<AnsiString> names{"", "x", "Y", "long name", GbText("名称"), "zz"};
  const int w = WidthOfW(*list);

  TListRowsModel model;
  auto setSorted = [&](bool sorted) {
    model.sorted = sorted;
    list->SetSortType(sorted ? stText : stNone);
    if (sorted) model.Sort();
  };
  auto setCheck = [&](TCheckDuplicate check) {
    if (check != cd_None) setSorted(true);
    model.check = check;
    list->SetCheckDuplicate(check);
    model.RemoveDuplicates();
    list->RemoveDuplicates();
  };
  setSorted(script.sorted);
  setCheck(script.check);

  for (int step = 0; step < script.steps; ++step) {
    int what = pick(100);
    std::string action;
    if (what < 70) {
      std::vector<AnsiString> values{codes[static_cast<size_t>(pick(static_cast<int>(codes.size())))]};
      for (int k = pick(4); k > 0; --k) values.push_back(names[static_cast<size_t>(pick(static_cast<int>(names.size())))]);
      action = "add " + values[0];
      model.Add(values);
      ASSERT_TRUE(list->AddRow(values));
    } else if (what < 78 && !model.rows.empty()) {
      int i = pick(static_cast<int>(model.rows.size()));
      action = "delete " + IntToStr(i);
      model.rows.erase(model.rows.begin() + i);
      list->Items()->Delete(i);
    } else if (what < 83) {
      int column = pick(4);
      bool ascending = pick(2) == 0;
      action = "sort by " + IntToStr(column);
      model.sortColumn = column;
      model.ascending = ascending;
      model.Sort();
      list->SetSortOrder(column, ascending);
      list->SortRows();
    } else if (what < 87) {
      action = "check";
      setCheck(static_cast<TCheckDuplicate>(pick(3)));
    } else if (what < 90) {
      action = "sorted";
      setSorted(pick(2) == 0);
    } else if (what < 94 && !model.rows.empty()) {
      int i = pick(static_cast<int>(model.rows.size()));
      AnsiString caption = codes[static_cast<size_t>(pick(static_cast<int>(codes.size())))];
      action = "rename " + IntToStr(i);
      bool changes = model.rows[static_cast<size_t>(i)].texts[0] != caption;
      model.rows[static_cast<size_t>(i)].texts[0] = caption;
      if (changes && model.sorted) model.Sort();
      list->Items()->Item(i)->SetCaption(caption);
    } else if (what < 96) {
      action = "clear";
      model.rows.clear();
      list->ClearRows();
    } else {
      action = "pad";
      list->PadSubItems();
      size_t most = 0;
      for (const auto& r : model.rows) most = std::max(most, r.texts.size());
      for (auto& r : model.rows) r.texts.resize(most);
    }
    SCOPED_TRACE("step " + std::to_string(step) + ": " + action);
    std::vector<std::vector<AnsiString>> expected;
    for (const auto& r : model.rows) expected.push_back(r.texts);
    ASSERT_EQ(Rows(*list), expected);
    ASSERT_EQ(ColumnCaptions(*list), model.columns);
    if (what < 70) {
      for (size_t k = 0; k < model.columns.size(); ++k)
        ASSERT_EQ(list->Columns()->Items(static_cast<int>(k))->Width(), w * model.Longest(k)) << "column " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TarnListViewScripts,
    ::testing::Values(TListScript{"unsorted", 1, false, cd_None, 400},
                      TListScript{"sorted", 2, true, cd_None, 400},
                      TListScript{"checkCase", 3, true, cd_CheckCase, 400},
                      TListScript{"caseInsensitive", 4, true, cd_CaseInsensitive, 400},
                      TListScript{"mixed1", 5, false, cd_None, 600},
                      TListScript{"mixed2", 6, true, cd_CaseInsensitive, 600},
                      TListScript{"mixed3", 7, true, cd_CheckCase, 600}),
    [](const auto& script) { return std::string(script.param.name); });

TEST_F(TarnListViews, APressSelectsOnlyWhenTheListGetsTheFocus) {
  list->SetShowColumnHeaders(false);
  list->AddRow({"A01"});
  list->AddRow({"B02"});
  auto* edit = Add<TEdit>("edDate", 320, 10, 100, 21);
  auto* keeper = New<TKeepFocus>(form);
  keeper->Keep = edit;
  form->Show();
  edit->SetFocus();
  edit->OnExit = Bind<&TKeepFocus::Exit>(keeper);
  ClickAt(*list, 10, 5);
  EXPECT_EQ(form->FocusedControl(), edit);
  EXPECT_EQ(list->SelCount(), 0);

  edit->OnExit = {};
  ClickAt(*list, 10, TListView::RowHeight + 5);
  EXPECT_EQ(form->FocusedControl(), list);
  EXPECT_EQ(list->Selected(), list->Items()->Item(1));
}
