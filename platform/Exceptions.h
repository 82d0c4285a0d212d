#pragma once
// The platform's exception classes. Each knows its class name, as the error reports print it.

#include <exception>
#include <vector>

#include "platform/Text.h"

class Exception : public std::exception {
public:
  explicit Exception(AnsiString message) : Message(std::move(message)) {}
  virtual AnsiString ClassName() const { return "Exception"; }
  const char* what() const noexcept override { return Message.c_str(); }

  AnsiString Message;
};

// A text that does not hold the value asked for, or a Format whose arguments don't fit.
class EConvertError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EConvertError"; }
};

// A Variant that cannot become the type asked for, or an array index out of bounds.
class EVariantError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EVariantError"; }
};

class EInOutError : public Exception {
public:
  EInOutError(AnsiString message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
  AnsiString ClassName() const override { return "EInOutError"; }

  int ErrorCode;
};

// An operating-system call that failed, with the system's error code.
class EWin32Error : public Exception {
public:
  EWin32Error(AnsiString message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
  AnsiString ClassName() const override { return "EWin32Error"; }

  int ErrorCode;
};

// One error of the database engine's stack.
struct TDBError {
  int ErrorCode = 0;
  AnsiString Message;
};

// A database-engine failure: the engine reports a stack of sub-errors.
class EDBEngineError : public Exception {
public:
  EDBEngineError(AnsiString message, std::vector<TDBError> errors)
      : Exception(std::move(message)), Errors(std::move(errors)) {}
  AnsiString ClassName() const override { return "EDBEngineError"; }

  std::vector<TDBError> Errors;
};
