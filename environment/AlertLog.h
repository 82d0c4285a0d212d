#pragma once
// Alert logs: time-stamped lines appended to files of the installation's "Log" folder.

#include "platform/Text.h"

// Log folder of the installation (else of the host program); Period "D", "M" or "Y" stamps
// the file name by day, month or year. True when the line was written.
bool WriteAlertLog(const AnsiString& name, const AnsiString& text, const AnsiString& period);
// As WriteAlertLog, always below the host program's folder.
bool WriteUpdateLog(const AnsiString& name, const AnsiString& text, const AnsiString& period);
// The daily generator log below GetLogRoot.
bool WriteGeneratorLog(const AnsiString& text);
// The installation folder, else the temporary folder (TMPDIR, else "/tmp"); never empty.
AnsiString GetLogRoot();
