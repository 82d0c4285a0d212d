// Shows a person what the plug-in finds in an installation: it lays out a working copy of the
// sample installation with its registry file, reads it the way the plug-in does and prints it.
//
//   pavane-env <sample installation> <work folder> <plug-in file>

#include <filesystem>
#include <iostream>

#include "environment/AlertLog.h"
#include "environment/SqlSa.h"
#include "environment/TillerINI.h"
#include "lib/DateRules.h"
#include "language/TranslatorU.h"
#include "lib/LibStrs.h"
#include "outside/shell/PluginLibrary.h"
#include "platform/Files.h"
#include "platform/Format.h"

namespace fs = std::filesystem;

namespace {

// The console speaks UTF-8; the system's texts are 8-bit in its code page.
std::string Show(const AnsiString& text) { return AnsiToUtf8(text); }

AnsiString LayOutInstallation(const fs::path& sample, const fs::path& work) {
  fs::remove_all(work);
  fs::create_directories(work);
  fs::copy(sample, work, fs::copy_options::recursive);
  const AnsiString root = IncludeTrailingPathDelimiter(fs::absolute(work).lexically_normal().string());
  const AnsiString registry = root + "registry.txt";
  AppendToFile(registry,
               "[HKEY_LOCAL_MACHINE\\Software\\ORVO\\Tiller]\n"
               "ClientPath=" + root + "client/\n"
               "ServerPath=" + root + "server/\n"
               "ProfileType=0\n");
  setenv("PAVANE_REGISTRY", registry.c_str(), 1);
  return registry;
}

void ShowClient() {
  TTillerIniC client;
  std::cout << "Client profile  " << client.IniFileName << "\n"
            << "  error code        " << (client.ErrorCode.empty() ? "(none)" : client.ErrorCode) << "\n"
            << "  code pages        interface " << client.UICodePage << ", data " << client.DBCodePage
            << ", system " << client.SystemCodePage << "\n"
            << "  conversions       interface " << client.UIConversion << ", data " << client.DataConversion << "\n"
            << "  language          " << client.LangType << "\n";
  if (client.Servers.IsArray()) {
    for (int i = client.Servers.LowBound(2); i <= client.Servers.HighBound(2); ++i)
      std::cout << "  server " << i << "          " << VarToStr(client.Servers.GetElement({0, i})) << ":"
                << VarToStr(client.Servers.GetElement({1, i})) << "\n";
  }
  for (int i = 0; i < client.WorkDLLPath.Count(); ++i) std::cout << "  module folder     " << client.WorkDLLPath[i] << "\n";
}

void ShowServer() {
  TTillerIniS server;
  static const char* const rows[] = {"main database", "temporary database", "server connection", "exchange database"};
  std::cout << "Server profile  " << server.IniFileName << "\n";
  for (int row = 0; row < 4; ++row) {
    std::cout << "  " << rows[row] << ":";
    for (int column = 0; column < 8; ++column) {
      const Variant& value = server.DBSettings.GetElement({row, column});
      if (value.IsEmpty()) continue;
      // Passwords are shown by length only.
      std::cout << " " << (column == 2 && row < 2 ? "(" + std::to_string(VarToStr(value).size()) + " characters)"
                                                  : Show(VarToStr(value)));
    }
    std::cout << "\n";
  }
  std::cout << "  database kind     " << server.DBKind << "\n"
            << "  system control    " << server.SystemControlAddress << "\n";
}

void ShowDates() {
  const TDateTime today = Date();
  const AnsiString ymd = FormatDateTime("yyyymmdd", today);
  std::cout << "Dates of " << ymd << "\n";
  for (int style = 1; style <= 5; ++style)
    std::cout << "  style " << style << "           " << FormatDateByStyle(style, "/", today) << "\n";
  std::cout << "  every 2nd Monday  " << NextRunDate(ymd, Variant::ArrayOf({1, Variant::ArrayOf({2, 1})})) << "\n"
            << "  last Friday       "
            << NextRunDate(ymd, Variant::ArrayOf({2, Variant::ArrayOf({1, 1, 4, 5})})) << "\n"
            << "  end of next month " << ShiftYmd(ymd, 1, "1", "2", 0) << "\n";
}

// The interface texts as a BIG5 user sees them, through the GB/BIG5 library.
void ShowTranslation() {
  TTranslator translator;
  std::cout << "GB to BIG5       (Kvlanguage)\n";
  for (const char* text : {"个人资料", "选择工厂编号", "确定"}) {
    const AnsiString big5 = translator.GbToBig5(GbText(text));
    std::cout << "  " << text << " -> " << AnsiToUtf8(big5, 950) << "  (back: " << Show(translator.Big5ToGb(big5))
              << ")\n";
  }
}

// What the shell sees of the plug-in today: a controller that answers every operation.
void ShowPlugin(const AnsiString& path) {
  TPluginLibrary plugin(path);
  auto controller = plugin.GetController();
  std::cout << "Plug-in         " << path << "\n"
            << "  controller        " << controller->ClassName() << ", form gone: "
            << (controller->IsFormGone() ? "yes" : "no") << "\n";
  try {
    controller->CreateForm(VarArrayOf({"u01", "c01", "erpdb"}));
    std::cout << "  CreateForm        a form was created\n";
  } catch (const Exception& e) {
    AnsiString message = ReplaceAllText(e.Message, "\r", " / ", false);
    std::cout << "  CreateForm        " << message << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: pavane-env <sample installation> <work folder> <plug-in file>\n";
    return 2;
  }
  SetACP(936);
  try {
    const AnsiString registry = LayOutInstallation(argv[1], argv[2]);
    std::cout << "Registry file   " << registry << "\n\n";
    ShowClient();
    std::cout << "\n";
    ShowServer();
    std::cout << "\n";
    ShowDates();
    const AnsiString line = GbText("工厂主档报表环境检查完毕");
    const bool written = WriteAlertLog("pavane-env", line, "D");
    std::cout << "\nAlert log       " << (written ? "written below " : "NOT written below ") << GetInstallPath()
              << "Log/\n  " << Show(line) << "\n"
              << "Buttons         " << Show(LocalizedButtonCaption("OK")) << " " << Show(LocalizedButtonCaption("Cancel"))
              << " " << Show(LocalizedButtonCaption("Retry")) << "\n\n";
    ShowTranslation();
    std::cout << "\n";
    ShowPlugin(argv[3]);
  } catch (const std::exception& e) {
    std::cerr << "pavane-env: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
