#include "environment/ExceptionReport.h"

#include "environment/AlertLog.h"
#include "platform/Format.h"

namespace {

// The lines of the exception's own part; returns how many error lines it wrote.
int WriteErrorLines(const Exception& e) {
  if (const auto* engine = dynamic_cast<const EDBEngineError*>(&e)) {
    int count = 0;
    for (const TDBError& error : engine->Errors)
      WriteGeneratorLog(Format("EDBEngineError Error %.2d: Code: %d, Message: %s",
                               {++count, error.ErrorCode, error.Message}));
    return count;
  }
  if (const auto* system = dynamic_cast<const EWin32Error*>(&e)) {
    WriteGeneratorLog(Format("EWin32Error Error %.2d: Code: %d, Message: %s", {1, system->ErrorCode, e.Message}));
    return 1;
  }
  if (const auto* io = dynamic_cast<const EInOutError*>(&e)) {
    WriteGeneratorLog(Format("EInOutError Error %.2d: Code: %d, Message: %s", {1, io->ErrorCode, e.Message}));
    return 1;
  }
  // The message is appended, never formatted: it may hold "%".
  WriteGeneratorLog(Format("Exception is %s\r\nMessage %.2d: ", {e.ClassName(), 1}) + e.Message);
  return 1;
}

}  // namespace

void WriteExceptionReport(const Exception* e, const AnsiString& where, const AnsiString& programmerMessage) {
  const AnsiString dashes(34, '-');
  WriteGeneratorLog(dashes + (Trim(where).empty() ? AnsiString() : " on " + where + " ") + dashes);
  if (e) {
    WriteGeneratorLog(GbText("讯息信息:"));
    WriteGeneratorLog(Format("ErrorMessage Count: %d", {WriteErrorLines(*e)}));
  }
  if (!Trim(programmerMessage).empty()) WriteGeneratorLog("Programer Message: " + programmerMessage);
}
