#pragma once
// A form built in code for driving controls through the input path, and an event recorder
// whose handlers log what they saw (and can refuse or change what they are given).

#include <gtest/gtest.h>

#include <vector>

#include "platform/classes/ClassDecl.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Application.h"
#include "platform/controls/Input.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "tests/support/Pixels.h"

class TEventLog : public TComponent {
  PAVANE_CLASS(TEventLog, TComponent)
public:
  using TComponent::TComponent;
  std::vector<AnsiString> Lines;
  bool Refuse = false;
  AnsiString Rename;

  static AnsiString NameOf(TObject* sender) {
    auto* c = dynamic_cast<TComponent*>(sender);
    return c ? c->Name() : AnsiString("?");
  }
  void Clicked(TObject* sender) { Lines.push_back("click " + NameOf(sender)); }
  void Changed(TObject* sender) { Lines.push_back("change " + NameOf(sender)); }
  void Changing(TObject* sender, bool& allow) {
    Lines.push_back("changing " + NameOf(sender));
    allow = !Refuse;
  }
  void ColumnClicked(TObject*, TListColumn* column) { Lines.push_back("column " + column->Caption()); }
  void Edited(TObject*, TListItem* item, AnsiString& text) {
    Lines.push_back("edited " + item->Caption() + " -> " + text);
    if (!Rename.empty()) text = Rename;
  }
  // Descending by caption.
  void Compare(TObject*, TListItem* a, TListItem* b, int, int& result) {
    result = -CompareText(a->Caption(), b->Caption());
  }
  void KeyPreview(TObject*, WORD& key, TShiftState) {
    Lines.push_back("preview " + IntToStr(key));
    if (key == VK_F2) key = 0;
  }
};

inline const TClassInfo& TEventLog::StaticClass() {
  static const TClassInfo info = DescribeClass<TEventLog>("TEventLog");
  return info;
}

class ControlTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    form = New<TForm>(nullptr);
    form->SetName("frmTest");
    form->SetBounds(0, 0, 480, 360);
    log = New<TEventLog>(form);
  }
  void TearDown() override {
    CloseMenus();
    Application->ModalResponder = nullptr;
    if (form) form->Free();
  }
  // A control on the form (or on parent) at the bounds given, named.
  template <class T>
  T* Add(const char* name, int left, int top, int width, int height, TWinControl* parent = nullptr) {
    T* c = New<T>(form);
    c->SetName(name);
    c->SetParent(parent ? parent : form);
    c->SetBounds(left, top, width, height);
    return c;
  }
  // The point (x, y) of a control in the form's client coordinates.
  void At(const TControl& c, int x, int y, int& fx, int& fy) {
    ControlOrigin(c, fx, fy);
    fx += x;
    fy += y;
  }
  void ClickAt(const TControl& c, int x, int y, TShiftState shift = {}) {
    int fx = 0, fy = 0;
    At(c, x, y, fx, fy);
    Click(*form, fx, fy, shift);
  }

  // A menu item of the form under parent, its clicks logged.
  TMenuItem* Item(TMenuItem& parent, const char* name, const char* caption) {
    auto* item = New<TMenuItem>(form);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = Bind<&TEventLog::Clicked>(log);
    parent.Add(item);
    return item;
  }

  TForm* form = nullptr;
  TEventLog* log = nullptr;
};
