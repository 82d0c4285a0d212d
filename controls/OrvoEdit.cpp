#include "controls/OrvoEdit.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TKvEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvEdit>(
      "TKvEdit", {Prop("Caption", &TKvEdit::Caption, &TKvEdit::SetCaption),
                  Prop("LabelPosition", &TKvEdit::LabelPosition, &TKvEdit::SetLabelPosition),
                  Prop("LabelSpacing", &TKvEdit::LabelSpacing, &TKvEdit::SetLabelSpacing)});
  return info;
}

const TClassInfo& TKvDBEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvDBEdit>(
      "TKvDBEdit", {Prop("Caption", &TKvDBEdit::Caption, &TKvDBEdit::SetCaption),
                    Prop("LabelPosition", &TKvDBEdit::LabelPosition, &TKvDBEdit::SetLabelPosition),
                    Prop("LabelSpacing", &TKvDBEdit::LabelSpacing, &TKvDBEdit::SetLabelSpacing),
                    Prop<TKvDBEdit>("DataField", &TKvDBEdit::DataField, &TKvDBEdit::SetDataField)});
  return info;
}

void TKvDBEdit::SetDataField(const AnsiString& name) {
  TDBEdit::SetDataField(name);
  if (!ComponentState().Contains(csDesigning)) return;
  if (TField* field = Field()) SetCaption(field->DisplayLabel());
}

void RegisterOrvoEditClasses() {
  for (const TClassInfo* c : {&TKvEdit::StaticClass(), &TKvDBEdit::StaticClass()}) RegisterClass(*c);
}
