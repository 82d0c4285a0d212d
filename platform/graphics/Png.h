#pragma once
// PNG files through libpng: 24-bit RGB out, any PNG in (alpha dropped, grey expanded).

#include "platform/Exceptions.h"
#include "platform/graphics/Bitmap.h"

class EPngError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EPngError"; }
};

// Raises EPngError when the file cannot be written.
void SaveToPng(const TBitmap& bitmap, const AnsiString& fileName);
// Raises EPngError when the file is missing or no PNG.
void LoadFromPng(TBitmap& bitmap, const AnsiString& fileName);
