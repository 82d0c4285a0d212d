#include "language/TranslatorU.h"

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace {

const char* const kLibraryName = "Kvlanguage.dll";

template <typename Proc>
Proc Lookup(const TLibrary& library, const char* name) {
  return reinterpret_cast<Proc>(library.Procedure(name));
}

// A missing entry leaves the text as it is; a library that answers nothing gives an empty text.
AnsiString Call(TTranslator::TConvertProc convert, const AnsiString& text) {
  if (!convert) return text;
  const char* result = convert(text.c_str());
  return result ? AnsiString(result) : AnsiString();
}

}  // namespace

TTranslator::TTranslator() {
  if (!library_.Load(kLibraryName)) throw Exception(Format("Load Library %s Error!", {kLibraryName}));
  GBtoBIG5 = Lookup<TConvertProc>(library_, "GBtoBIG5");
  BIG5toGB = Lookup<TConvertProc>(library_, "BIG5toGB");
  GetBIG5Data = Lookup<TDataNameProc>(library_, "GetBIG5Data");
  GetGBData = Lookup<TDataNameProc>(library_, "GetGBData");
  SaveOrder = Lookup<TSaveOrderProc>(library_, "SaveOrder");
  if (!GBtoBIG5 || !BIG5toGB) throw Exception("Get Library Procedure Address Error!");
}

AnsiString TTranslator::GbToBig5(const AnsiString& text) const { return Call(GBtoBIG5, text); }

AnsiString TTranslator::Big5ToGb(const AnsiString& text) const { return Call(BIG5toGB, text); }
