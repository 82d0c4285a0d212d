#pragma once
// How the range of a selection panel is put in order when the user leaves it: the value types,
// the date field orders, the reading of a date value, and whether begin and final are to be
// exchanged.

#include "platform/DateTime.h"
#include "platform/classes/TypeInfo.h"

enum TValueType { vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask };
const TTypeInfo& TypeInfoOf(TValueType*);
enum TDateType { dt_NoneCare, dt_YYYYMMDD, dt_MMDDYYYY, dt_DDMMYYYY, dt_YYMMDD, dt_YYYMMDD };
const TTypeInfo& TypeInfoOf(TDateType*);

// The panel's settings that the ordering reads.
struct TRangeRules {
  TValueType ValueType = vt_String;
  TDateType DateType = dt_NoneCare;
  AnsiString DateSign = "/";
  AnsiString EmptyMaskText;
  AnsiString Discard;
  bool UseDiscard = false;
  bool AutoChangeDateSite = true;
};

// The date a range text names; 0 (no date) when it is blank, empty under the mask, not made of
// one or two separators with numbers between them, or no valid date.
TDateTime ParseRangeDate(const TRangeRules& rules, const AnsiString& text);

// A decimal number written as optional sign, integer digits without leading zeros and, when the
// fraction is not zero, "." and its digits without trailing zeros; false when the text (trimmed)
// is no decimal number (digits with at most one ".").
bool NormalDecimal(const AnsiString& text, AnsiString& normal);

// Whether begin and final (both non-empty) must be exchanged to put the range in order.
bool RangeOutOfOrder(const TRangeRules& rules, const AnsiString& begin, const AnsiString& final);
