#pragma once
// AvResD5.so: the numbered button pictures every module shares, linked by import.
//
// A picture is a strip of square images side by side (normal, disabled, pressed, down). The
// library is built from the same tree as its callers and fills their TBitmap through its
// public interface; its own copy of the platform stays inside it.

#define AVRES_API extern "C" __attribute__((visibility("default")))

class TBitmap;

// The highest picture number the library holds; numbers below it may be absent.
AVRES_API int GetMaxBmpID();
// Loads picture Index into Bitmap (size, pixels, transparent colour from the lower-left pixel);
// false, leaving Bitmap alone, when the library holds no picture of that number. Raises when
// the picture's data cannot be decoded.
AVRES_API bool LoadBmp(TBitmap* bitmap, int index);
