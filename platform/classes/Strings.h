#pragma once
// TStrings: the string list as a published object property ("Items", "Lines" of type
// "TStrings"). The list itself is the platform's TStringList; this adds the class identity
// and Assign, so it can be read from form descriptions and assigned by the type information.

#include "platform/StringList.h"
#include "platform/classes/Persistent.h"

class TStrings : public TPersistent, public TStringList {
  PAVANE_CLASS(TStrings, TPersistent)
public:
  TStrings() = default;
  void Assign(const TStrings& source) { TStringList::Assign(source); }
  void Assign(const TPersistent& source) override;
};
