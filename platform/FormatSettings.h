#pragma once

#include "platform/Text.h"

// The process's format settings, as the platform's regional settings give them.
struct TFormatSettings {
  AnsiString ShortDateFormat = "yyyy/mm/dd";
  char DateSeparator = '/';
  AnsiString LongTimeFormat = "hh:nn:ss";
  char TimeSeparator = ':';
  char DecimalSeparator = '.';
};
TFormatSettings& FormatSettings();
