#pragma once
// TTranslator: the GB/BIG5 conversion library "Kvlanguage.dll", loaded for the translator's life.

#include "platform/DynamicLibrary.h"
#include "platform/Text.h"

class TTranslator {
public:
  // The library's C interface. A conversion takes a NUL-terminated text and returns a buffer the
  // library owns, valid until the calling thread's next conversion.
  using TConvertProc = const char* (*)(const char* text);
  using TDataNameProc = const char* (*)();
  using TSaveOrderProc = int (*)(const char* fileName);

  // Loads the library and looks up its entries. Raises Exception when the library cannot be
  // loaded or one of the two conversion entries is missing.
  TTranslator();
  TTranslator(const TTranslator&) = delete;
  TTranslator& operator=(const TTranslator&) = delete;

  AnsiString GbToBig5(const AnsiString& text) const;
  AnsiString Big5ToGb(const AnsiString& text) const;

private:
  TLibrary library_;
  TConvertProc GBtoBIG5 = nullptr;
  TConvertProc BIG5toGB = nullptr;
  // Looked up with the others; the plug-in has no use for them.
  TDataNameProc GetBIG5Data = nullptr;
  TDataNameProc GetGBData = nullptr;
  TSaveOrderProc SaveOrder = nullptr;
};
