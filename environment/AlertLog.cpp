#include "environment/AlertLog.h"

#include "environment/TillerINI.h"
#include "platform/DateTime.h"
#include "platform/Files.h"

namespace {

AnsiString LogFolder(const AnsiString& root) { return IncludeTrailingPathDelimiter(root) + "Log/"; }

// "Alert_<name>_<stamp>.log", the stamp by day, month or year; a name with a "." keeps its own extension.
AnsiString AlertFileName(const AnsiString& name, const AnsiString& period) {
  const char* stamp = period == "M" ? "yyyymm" : period == "Y" ? "yyyy" : "yyyymmdd";
  AnsiString fileName = "Alert_" + name + "_" + FormatDateTime(stamp, Date());
  return AnsiPos(".", name) != 0 ? fileName : fileName + ".log";
}

AnsiString AlertTimeStamp() { return FormatDateTime("yyyy/mm/dd hh:nn:ss:zzz", Now()); }

// One open-append-close per line, so that several processes can share a daily file.
bool AppendLogLine(const AnsiString& folder, const AnsiString& fileName, const AnsiString& stamp,
                   const AnsiString& text) {
  ForceDirectories(folder);
  try {
    AppendToFile(folder + fileName, "[" + stamp + "] " + text + "\r\n");
    return true;
  } catch (const EInOutError&) {
    return false;
  }
}

}  // namespace

bool WriteAlertLog(const AnsiString& name, const AnsiString& text, const AnsiString& period) {
  AnsiString root = GetInstallPath();
  if (root.empty()) root = GetHostProgramFolder();
  return AppendLogLine(LogFolder(root), AlertFileName(name, period), AlertTimeStamp(), text);
}

bool WriteUpdateLog(const AnsiString& name, const AnsiString& text, const AnsiString& period) {
  return AppendLogLine(LogFolder(GetHostProgramFolder()), AlertFileName(name, period), AlertTimeStamp(), text);
}

bool WriteGeneratorLog(const AnsiString& text) {
  const TFormatSettings& settings = FormatSettings();
  return AppendLogLine(LogFolder(GetLogRoot()), "Alert_QuillERPGenerator_" + FormatDateTime("yyyymmdd", Date()) + ".log",
                       FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, Now()), text);
}

AnsiString GetLogRoot() {
  AnsiString root = GetInstallPath();
  return root.empty() ? GetTempPath() : root;
}
