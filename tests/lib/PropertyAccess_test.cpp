#include "lib/PropertyAccess.h"

#include <gtest/gtest.h>

#include "platform/controls/Application.h"
#include "platform/controls/StdCtrls.h"

namespace {

struct ClickCounter : TObject {
  int Clicks = 0;
  void Clicked(TObject*) { ++Clicks; }
};

class PropertyAccess : public ::testing::Test {
protected:
  void SetUp() override {
    form = New<TForm>(nullptr);
    label = New<TLabel>(form);
    label->SetParent(form);
    memo = New<TMemo>(form);
    edit = New<TEdit>(form);
  }
  void TearDown() override { form->Free(); }
  TForm* form;
  TLabel* label;
  TMemo* memo;
  TEdit* edit;
};

}  // namespace

TEST_F(PropertyAccess, MissingPropertiesAndObjectsGiveTheEmptyResults) {
  EXPECT_FALSE(HasProperty(nullptr, "Caption"));
  EXPECT_FALSE(HasProperty(label, ""));
  EXPECT_FALSE(HasProperty(edit, "Caption"));
  EXPECT_TRUE(HasProperty(label, "caption"));
  EXPECT_EQ(GetStrPropByName(edit, "Caption"), "");
  EXPECT_EQ(GetOrdPropByName(edit, "NoSuch"), 0);
  EXPECT_EQ(GetOrdPropByName(nullptr, "Width"), 0);
  EXPECT_FALSE(GetMethodPropByName(edit, "OnNoSuch").Assigned());
  EXPECT_EQ(GetClassProperty(edit, "Hint"), nullptr);
  EXPECT_EQ(GetClassProperty(nullptr, "Font"), nullptr);
  SetStrPropByName(edit, "Caption", "x");
  SetOrdPropByName(nullptr, "Width", 3);
  SetMethodPropByName(edit, "OnNoSuch", TMethod{});
  SetPropertyByPath(edit, "NoSuch", "x");
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(PropertyAccess, TypeNamesCompareWithoutCase) {
  EXPECT_TRUE(HasPropertyOfType(memo, "Lines", "tstrings"));
  EXPECT_FALSE(HasPropertyOfType(edit, "Lines", "TStrings"));
  EXPECT_TRUE(HasPropertyOfType(label, "Font", "TFont"));
  EXPECT_FALSE(HasPropertyOfType(label, "Font", "TColor"));
}

TEST_F(PropertyAccess, ByNameReadsAndWrites) {
  SetStrPropByName(label, "Caption", "Name:");
  EXPECT_EQ(GetStrPropByName(label, "Caption"), "Name:");
  SetOrdPropByName(edit, "Width", 90);
  EXPECT_EQ(GetOrdPropByName(edit, "Width"), 90);
  EXPECT_EQ(GetOrdPropByName(edit, "Visible"), 1);
  EXPECT_EQ(GetClassProperty(label, "Font"), label->Font());
  ClickCounter counter;
  TMethod handler = Bind<&ClickCounter::Clicked>(&counter).Method();
  SetMethodPropByName(edit, "OnExit", handler);
  EXPECT_EQ(GetMethodPropByName(edit, "OnExit"), handler);
  edit->OnExit(edit);
  EXPECT_EQ(counter.Clicks, 1);
}

TEST_F(PropertyAccess, PathsWithNamedConstantsEnumerationsAndSets) {
  struct Case {
    const char* Path;
    Variant Value;
  };
  for (const Case& c : std::vector<Case>{{"Font.Color", "clRed"},
                                         {"Font.Style", "  [fsBold]  "},
                                         {"Font.Name", "Tahoma"},
                                         {"Font.Charset", 134},
                                         {"Cursor", "crHandPoint"},
                                         {"Color", 255},
                                         {"Align", " alClient "},
                                         {"Hint", 12}})
    EXPECT_TRUE(TrySetPropertyByPath(label, c.Path, c.Value)) << c.Path;
  EXPECT_EQ(label->Font()->Color(), clRed);
  EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
  EXPECT_EQ(label->Font()->Name(), "Tahoma");
  EXPECT_EQ(label->Font()->Charset(), 134);
  EXPECT_EQ(label->Cursor(), crHandPoint);
  EXPECT_EQ(label->Color(), 255);
  EXPECT_EQ(label->Align(), alClient);
  EXPECT_EQ(label->Hint(), "12");
}

TEST_F(PropertyAccess, FailuresOfPathsAndConversions) {
  EXPECT_FALSE(TrySetPropertyByPath(label, "Hint.Text", "x"));      // holds no object
  EXPECT_FALSE(TrySetPropertyByPath(label, "NoSuch.Name", "x"));
  EXPECT_FALSE(TrySetPropertyByPath(label, "Align", "alSideways"));
  EXPECT_FALSE(TrySetPropertyByPath(label, "Font.Color", "reddish"));
  EXPECT_FALSE(TrySetPropertyByPath(nullptr, "Caption", "x"));
  EXPECT_THROW(SetPropertyByPath(label, "Align", "alSideways"), EPropertyConvertError);
  EXPECT_TRUE(TrySetPropertyByPath(label, "Font.NoSuch", "x"));  // the last step is skipped
}

TEST_F(PropertyAccess, ClickControlSendsButtonDownThenUp) {
  ClickCounter counter;
  auto* button = New<TButton>(form);
  button->OnClick = Bind<&ClickCounter::Clicked>(&counter);
  EXPECT_EQ(ClickControl(button, 0, 0), 0);
  EXPECT_EQ(counter.Clicks, 1);
  button->SetEnabled(false);
  ClickControl(button, 0, 0);
  EXPECT_EQ(counter.Clicks, 1);
  EXPECT_EQ(ClickControl(nullptr, 0, 0), 0);
}

TEST(FieldClasses, TheTwentySixAreCreatableByNameAndGoAgain) {
  RegisterFieldClasses();
  ASSERT_EQ(FieldClasses().size(), 26u);
  EXPECT_EQ(FieldClasses().front()->Name(), "TADTField");
  EXPECT_EQ(FieldClasses().back()->Name(), "TWordField");
  TComponent* owner = New<TComponent>(nullptr);
  for (const TClassInfo* c : FieldClasses()) {
    const TClassInfo* found = GetClass(c->Name());
    ASSERT_EQ(found, c);
    EXPECT_TRUE(found->InheritsFrom("TField"));
    EXPECT_EQ(found->Create(owner)->ClassName(), c->Name());
  }
  owner->Free();
  UnregisterFieldClasses();
  EXPECT_EQ(GetClass("TStringField"), nullptr);
}
