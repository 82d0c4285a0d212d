#pragma once
// Kvlanguage.so: GB (936) / BIG5 (950) text conversion, loaded at run time by name.
//
// The C interface. Texts are NUL-terminated bytes; a null text counts as empty. A conversion
// returns a buffer owned by the library, one per thread, valid until that thread's next call of
// GBtoBIG5 or BIG5toGB. ASCII passes unchanged. A character whose mapped form the target code
// page lacks keeps its own form if the target has that; otherwise it, like every input byte that
// forms no character, becomes the target's full-width question mark (U+FF1F: A3 BF in GB, A1 48
// in BIG5). Nothing is dropped.

#define KVLANGUAGE_API extern "C" __attribute__((visibility("default")))

// Simplified-Chinese GB text to the traditional-Chinese BIG5 text a BIG5 reader expects.
KVLANGUAGE_API const char* GBtoBIG5(const char* text);
// Traditional-Chinese BIG5 text to simplified-Chinese GB text.
KVLANGUAGE_API const char* BIG5toGB(const char* text);
// The conversion data each direction uses, as the OpenCC configuration's name:
// "s2t.json" for text produced in BIG5, "t2s.json" for text produced in GB. Static texts.
KVLANGUAGE_API const char* GetBIG5Data();
KVLANGUAGE_API const char* GetGBData();
// Saves the library's conversion order, one "entry=configuration" line per direction, to the
// file (replacing it); 1 when written, 0 when the name is empty or the file cannot be written.
KVLANGUAGE_API int SaveOrder(const char* fileName);
