#pragma once
// The multi-line report of an exception, written to the generator log.

#include "platform/Exceptions.h"

void WriteExceptionReport(const Exception* e, const AnsiString& where, const AnsiString& programmerMessage);
