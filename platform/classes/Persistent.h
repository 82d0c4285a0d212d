#pragma once
// Objects with published properties that can take the values of another object.

#include "platform/classes/Object.h"

class TPersistent : public TObject {
  PAVANE_CLASS(TPersistent, TObject)
public:
  // Copies Source's values; raises EConvertError when the classes don't fit.
  virtual void Assign(const TPersistent& source);

protected:
  virtual void AssignTo(TPersistent& dest) const;
};
