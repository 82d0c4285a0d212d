#include <gtest/gtest.h>

#include "platform/classes/TypInfo.h"
#include "platform/controls/StdCtrls.h"
#include "tests/platform/TestForms.h"

namespace {

class Recorder : public TComponent {
  PAVANE_CLASS(Recorder, TComponent)
public:
  using TComponent::TComponent;
  std::vector<AnsiString> Removed;
  int Clicks = 0;
  void Clicked(TObject*) { ++Clicks; }

protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) Removed.push_back(c->Name());
  }
};

}  // namespace

const TClassInfo& Recorder::StaticClass() {
  static const TClassInfo info = DescribeClass<Recorder>("Recorder", {}, {Method<&Recorder::Clicked>("Clicked")});
  return info;
}

TEST(Components, OwnerFreesItsComponentsAndFreeingOneRemovesItFromItsOwner) {
  TScopedFree owner(New<TComponent>(nullptr));
  auto* a = New<TComponent>(owner.get());
  a->SetName("a");
  auto* b = New<TComponent>(owner.get());
  b->SetName("b");
  ASSERT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), b);
  EXPECT_EQ(b->ComponentIndex(), 1);
  a->Free();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), b);
  EXPECT_EQ(owner->FindComponent("a"), nullptr);
}

TEST(Components, NamesAreIdentifiersAndUniqueWithinTheOwner) {
  TScopedFree owner(New<TComponent>(nullptr));
  New<TComponent>(owner.get())->SetName("Edit1");
  auto* other = New<TComponent>(owner.get());
  EXPECT_THROW(other->SetName("edit1"), EComponentError);
  EXPECT_THROW(other->SetName("1abc"), EComponentError);
  EXPECT_THROW(other->SetName("a b"), EComponentError);
  other->SetName("Edit2");
  EXPECT_EQ(other->Name(), "Edit2");
}

TEST(Components, FreeNotificationClearsReferencesOfOtherOwners) {
  TScopedFree recorder(New<Recorder>(nullptr));
  TScopedFree form(New<TForm>(nullptr));
  auto* edit = New<TEdit>(form.get());
  edit->SetName("edTarget");
  auto* label = New<TLabel>(form.get());
  label->SetFocusControl(edit);
  edit->FreeNotification(recorder.get());
  edit->Free();
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(recorder->Removed, std::vector<AnsiString>{"edTarget"});
}

TEST(Components, ClassRegistryCreatesByNameAndKnowsTheChain) {
  RegisterTestForms();
  const TClassInfo& c = FindClass("tbutton");
  EXPECT_EQ(c.Name(), "TButton");
  EXPECT_TRUE(c.InheritsFrom("TWinControl"));
  EXPECT_TRUE(c.InheritsFrom(TControl::StaticClass()));
  EXPECT_FALSE(c.InheritsFrom("TForm"));
  EXPECT_EQ(c.Parent(), &TWinControl::StaticClass());
  TScopedFree owner(New<TComponent>(nullptr));
  TComponent* made = c.Create(owner.get());
  EXPECT_EQ(made->ClassName(), "TButton");
  EXPECT_EQ(made->Owner(), owner.get());
  EXPECT_THROW(FindClass("TNoSuchClass"), EClassNotFound);
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
}

TEST(TypeInformation, PropertiesHaveKindsAndTypeNames) {
  TScopedFree form(New<TForm>(nullptr));
  auto* memo = New<TMemo>(form.get());
  struct Case {
    const char* Name;
    TTypeKind Kind;
    const char* TypeName;
  };
  for (const Case& c : std::vector<Case>{{"Lines", tkClass, "TStrings"},
                                         {"Font", tkClass, "TFont"},
                                         {"Color", tkInteger, "TColor"},
                                         {"Cursor", tkInteger, "TCursor"},
                                         {"Align", tkEnumeration, "TAlign"},
                                         {"Visible", tkEnumeration, "Boolean"},
                                         {"Hint", tkString, "AnsiString"},
                                         {"OnExit", tkMethod, "TNotifyEvent"},
                                         {"OnKeyDown", tkMethod, "TKeyEvent"},
                                         {"tabOrder", tkInteger, "TTabOrder"}}) {
    const TPropInfo* p = GetPropInfo(*memo, c.Name);
    ASSERT_NE(p, nullptr) << c.Name;
    EXPECT_EQ(p->PropType->Kind, c.Kind) << c.Name;
    EXPECT_EQ(p->PropType->Name, c.TypeName) << c.Name;
  }
  EXPECT_EQ(GetPropInfo(*memo, "Caption"), nullptr);
  EXPECT_EQ(GetPropInfo(*memo, "Text"), nullptr);
}

TEST(TypeInformation, EnumerationAndSetTextsAndNamedConstants) {
  const TTypeInfo& styles = TypeInfoFor<TFontStyles>();
  EXPECT_EQ(SetToString(styles, TFontStyles{fsBold, fsUnderline}.Bits()), "[fsBold,fsUnderline]");
  EXPECT_EQ(StringToSet(styles, " [ fsItalic , fsBold ] "), TFontStyles({fsBold, fsItalic}).Bits());
  EXPECT_EQ(StringToSet(styles, "[]"), 0);
  EXPECT_THROW(StringToSet(styles, "[fsHeavy]"), EPropertyConvertError);
  EXPECT_EQ(GetEnumValue(TypeInfoFor<TAlign>(), "ALCLIENT"), alClient);
  EXPECT_EQ(GetEnumValue(TypeInfoFor<TAlign>(), "alMiddle"), -1);
  EXPECT_EQ(GetEnumName(TypeInfoFor<bool>(), 1), "True");
  int value = 0;
  EXPECT_TRUE(IdentToInt(ColorTypeInfo(), "clred", value));
  EXPECT_EQ(value, clRed);
  EXPECT_TRUE(IdentToInt(CursorTypeInfo(), "crHourGlass", value));
  EXPECT_EQ(value, crHourGlass);
  EXPECT_FALSE(IdentToInt(ColorTypeInfo(), "clNoSuch", value));
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(StringToColor("$00AFFFFF"), 0xAFFFFF);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0);
  EXPECT_EQ(ColorToRGB(clRed), clRed);
}

TEST(TypeInformation, SetPropValueConvertsTextsAndRejectsUnknownElements) {
  TScopedFree form(New<TForm>(nullptr));
  auto* edit = New<TEdit>(form.get());
  SetPropValue(*edit, *GetPropInfo(*edit, "Align"), Variant("alTop"));
  EXPECT_EQ(edit->Align(), alTop);
  SetPropValue(*edit, *GetPropInfo(*edit, "Visible"), Variant(false));
  EXPECT_FALSE(edit->Visible());
  SetPropValue(*edit, *GetPropInfo(*edit, "Width"), Variant("42"));
  EXPECT_EQ(edit->Width(), 42);
  SetPropValue(*edit->Font(), *GetPropInfo(*edit->Font(), "Style"), Variant("[fsItalic]"));
  EXPECT_EQ(GetPropValue(*edit->Font(), *GetPropInfo(*edit->Font(), "Style")).AsString(), "fsItalic");
  EXPECT_THROW(SetPropValue(*edit, *GetPropInfo(*edit, "Align"), Variant("alSideways")), EPropertyConvertError);
  EXPECT_THROW(SetPropValue(*edit, *GetPropInfo(*edit, "Width"), Variant("wide")), EVariantError);
}

TEST(MethodValues, CompareStoreAsNumbersAndRestore) {
  TScopedFree recorder(New<Recorder>(nullptr));
  TNotifyEvent a = Bind<&Recorder::Clicked>(recorder.get());
  TNotifyEvent b = Bind<&Recorder::Clicked>(recorder.get());
  EXPECT_EQ(a, b);
  EXPECT_NE(a, TNotifyEvent());
  TMethod restored = TMethod::FromValues(a.Method().CodeValue(), a.Method().DataValue());
  TNotifyEvent again(restored);
  again(nullptr);
  EXPECT_EQ(recorder->Clicks, 1);
  EXPECT_EQ(recorder->MethodAddress("clicked"), a.Method().Code);
  EXPECT_EQ(recorder->ClassType().MethodName(a.Method().Code), "Clicked");
  TNotifyEvent()(nullptr);  // an unassigned event does nothing
}

TEST(MethodValues, AssignedByNameThroughTypeInformationWithTheirSignatureChecked) {
  TScopedFree recorder(New<Recorder>(nullptr));
  TScopedFree form(New<TForm>(nullptr));
  auto* button = New<TButton>(form.get());
  TMethod handler{recorder->MethodAddress("Clicked"), recorder.get()};
  SetMethodProp(*button, *GetPropInfo(*button, "OnClick"), handler);
  button->Click();
  EXPECT_EQ(recorder->Clicks, 1);
  EXPECT_EQ(GetMethodProp(*button, *GetPropInfo(*button, "OnClick")), handler);
  EXPECT_THROW(SetMethodProp(*button, *GetPropInfo(*button, "OnKeyDown"), handler), EPropertyConvertError);
}

TEST(StringsAndFonts, PropertiesOfNestedObjectsAndInheritedFonts) {
  TScopedFree form(New<TForm>(nullptr));
  auto* panel = New<TPanel>(form.get());
  panel->SetParent(form.get());
  auto* label = New<TLabel>(form.get());
  label->SetParent(panel);
  panel->Font()->SetName("Tahoma");
  EXPECT_EQ(label->Font()->Name(), "Tahoma");
  EXPECT_TRUE(label->ParentFont());
  label->Font()->SetSize(9);
  EXPECT_EQ(label->Font()->Height(), -12);
  EXPECT_FALSE(label->ParentFont());
  panel->Font()->SetName("Arial");
  EXPECT_EQ(label->Font()->Name(), "Tahoma");
  panel->SetColor(clRed);
  EXPECT_EQ(label->Color(), clRed);

  form->SetShowHint(true);
  EXPECT_TRUE(label->ShowHint());
  label->SetShowHint(false);
  EXPECT_FALSE(label->ShowHint());

  auto* memo = New<TMemo>(form.get());
  int changes = 0;
  memo->Lines()->SetText("a\r\nb=2\r\n");
  memo->OnChange = TNotifyEvent();
  memo->Lines()->OnChange = [&] { ++changes; };
  memo->Lines()->Add("c");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(memo->Lines()->Values("b"), "2");
  EXPECT_EQ(memo->Lines()->Text(), "a\r\nb=2\r\nc\r\n");
}
