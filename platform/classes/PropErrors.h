#pragma once

#include "platform/Exceptions.h"

// A property that does not exist, or cannot be written.
class EPropertyError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EPropertyError"; }
};

// A value that does not fit the property: an unknown enumeration or set element, a method of
// another signature, an object of another class.
class EPropertyConvertError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EPropertyConvertError"; }
};
