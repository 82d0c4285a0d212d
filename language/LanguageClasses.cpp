#include "language/CodeConverter.h"
#include "language/LangCommon.h"
#include "language/LanguageController.h"

void RegisterLanguageClasses() {
  RegisterClass(TKvLangController::StaticClass());
  RegisterClass(TCodeConverter::StaticClass());
}
