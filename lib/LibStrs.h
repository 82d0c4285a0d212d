#pragma once
// Text helpers of the framework: delimited fields, replacing, Variant choice, code-page
// conversions of texts and Variants, record texts, button captions, lenient numbers.

#include "platform/Text.h"
#include "platform/Variant.h"

// The Index-th field (from 1) of Text split by Delim; empty when there are fewer fields.
AnsiString GetDelimitedField(const AnsiString& text, const AnsiString& delim, int index);
// 0 for an empty text, else 1 + the occurrences of Delim.
int CountDelimitedFields(const AnsiString& text, const AnsiString& delim);
// Head := the part before the first Delim, Text := the part after it (or Head := Text, Text := "").
void SplitOff(AnsiString& text, const AnsiString& delim, AnsiString& head);
AnsiString ReplaceAllText(const AnsiString& text, const AnsiString& target, const AnsiString& replacement,
                          bool trimResult);
Variant VarIif(bool condition, const Variant& whenTrue, const Variant& whenFalse);
bool VarIsBlank(const Variant& v);
bool IsLocalAddress(const AnsiString& host);
// The user's temporary folder with its trailing separator; empty when it cannot be resolved.
AnsiString GetTempDirectory();
AnsiString WideToAnsiCP(const WideString& w, int codePage);
WideString AnsiToWideCP(const AnsiString& s, int codePage);
// Converts the texts inside V; failures are logged and the unconverted copy is returned.
Variant VarWideToAnsiCP(const Variant& v, int codePage);
Variant VarAnsiToWideCP(const Variant& v, int codePage);
// Prefix #3 count #3 then each value followed by #3, of a counted Variant array.
WideString JoinRecordFields(const AnsiString& prefix, const Variant& values);
AnsiString LocalizedButtonCaption(const AnsiString& name);
double StrToFloatOr(const AnsiString& text, double fallback);
