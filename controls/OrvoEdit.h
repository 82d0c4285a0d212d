#pragma once
// Edits that carry their own caption label (EditLabel): the plain edit, the data-aware edit
// and the data-aware edit with a lookup button.

#include "controls/EditLabel.h"
#include "platform/controls/DBCtrls.h"

class TKvEdit : public TCaptionedEdit<TEdit> {
  PAVANE_CLASS(TKvEdit, TCaptionedEdit<TEdit>)
public:
  using TCaptionedEdit<TEdit>::TCaptionedEdit;
};

class TKvDBEdit : public TCaptionedEdit<TDBEdit> {
  PAVANE_CLASS(TKvDBEdit, TCaptionedEdit<TDBEdit>)
public:
  using TCaptionedEdit<TDBEdit>::TCaptionedEdit;
  // While the form is designed, choosing a field takes its display label as the caption.
  void SetDataField(const AnsiString& name) override;
};

void RegisterOrvoEditClasses();
