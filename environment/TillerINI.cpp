#include "environment/TillerINI.h"

#include <algorithm>

#include "environment/SqlSa.h"
#include "lib/LibStrs.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace {

bool OpenTillerKey(TRegistry& registry) {
  registry.RootKey = HKEY_LOCAL_MACHINE;
  return registry.OpenKeyReadOnly("Software\\ORVO\\Tiller");
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const AnsiString& path) {
  return path.size() >= 2 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
         path[1] == ':';
}

// 1-based position of the first "\\" or "/", 0 when there is none.
int FirstSeparator(const AnsiString& s) {
  int backslash = AnsiPos("\\", s);
  int slash = AnsiPos("/", s);
  return backslash == 0 || slash == 0 ? backslash + slash : std::min(backslash, slash);
}

// Two separators, then a server name, a separator and a share name.
bool IsNetworkShare(const AnsiString& path) {
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return false;
  AnsiString serverAndShare = path.substr(2);
  int separator = FirstSeparator(serverAndShare);
  return separator > 1 && separator < static_cast<int>(serverAndShare.size()) &&
         !IsSeparator(serverAndShare[static_cast<size_t>(separator)]);
}

bool IsCallBackFlag(const AnsiString& text) {
  AnsiString upper = UpperCase(text);
  return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

int UIConversionOf(const AnsiString& uiCodePage, const AnsiString& systemCodePage) {
  if (uiCodePage == "950") return 2;
  if (uiCodePage == "936" && systemCodePage == "950") return 4;
  return 0;
}

int DataConversionOf(const AnsiString& uiCodePage, const AnsiString& dbCodePage) {
  if (uiCodePage == "950" && dbCodePage == "936") return 2;
  if (uiCodePage == "936" && dbCodePage == "950") return 1;
  return 0;
}

AnsiString SystemCodePageText() {
  AnsiString codePage = IntToStr(GetACP());
  return codePage == "936" || codePage == "950" ? codePage : "437";
}

}  // namespace

AnsiString GetInstallPath() {
  TRegistry registry;
  if (!OpenTillerKey(registry)) return {};
  AnsiString path = registry.ReadString("ClientPath");
  return path.empty() ? registry.ReadString("ServerPath") : path;
}

AnsiString ResolveProfilePath(const AnsiString& path, const AnsiString& base) {
  if (HasDrive(path) || IsNetworkShare(path)) return path;
  return base + (!path.empty() && IsSeparator(path[0]) ? path.substr(1) : path);
}

TTillerIni::TTillerIni() : UICodePage(SystemCodePageText()), SystemCodePage(UICodePage) { ComputeConversions(); }

AnsiString TTillerIni::LocateProfile(const char* folderValue, const char* profileName) {
  TRegistry registry;
  if (!OpenTillerKey(registry)) {
    ErrorCode = "E;000015";
    return {};
  }
  AnsiString installPath = registry.ReadString(folderValue);
  ProfileType = registry.ReadString("ProfileType");
  registry.CloseKey();
  if (installPath.empty()) return {};
  installPath = IncludeTrailingPathDelimiter(installPath);

  ProfileDir = installPath;
  if (!ProfileType.empty() && ProfileType != "0") {
    // The whole login name, however long: a shortened one would name another user's folder.
    UserName = GetUserName();
    ProfileDir = installPath + "Profile/" + UserName + "/";
  }
  IniFileName = ProfileDir + profileName;
  if (!FileExists(IniFileName)) {
    ProfileDir = installPath;
    IniFileName = installPath + profileName;
  }
  return installPath;
}

void TTillerIni::ReadCodePages(const TIniFile& profile) {
  UICodePage = profile.ReadString("CodePage", "UICodePage", SystemCodePage);
  DBCodePage = profile.ReadString("CodePage", "DBCodePage", "936");
}

void TTillerIni::ComputeConversions() {
  UIConversion = UIConversionOf(UICodePage, SystemCodePage);
  DataConversion = DataConversionOf(UICodePage, DBCodePage);
}

void TTillerIni::ReadWorkDLLPath(const TIniFile& profile, const AnsiString& installPath, const char* defaultFolder) {
  TStringList lines;
  profile.ReadSectionValues("WorkDLLPath", lines);
  TStringList folders;
  for (int i = 0; i < lines.Count(); ++i)
    folders.Add(ResolveProfilePath(IncludeTrailingPathDelimiter(lines.ValueFromIndex(i)), installPath));
  if (folders.Count() == 0) folders.Add(installPath + defaultFolder);
  WorkDLLPath.Assign(folders);
}

TTillerIniC::TTillerIniC() {
  ClientPath = LocateProfile("ClientPath", "TillerC.ini");
  if (ClientPath.empty()) return;

  TIniFile profile(IniFileName);
  LangType = profile.ReadString("Client Components", "LangType", "ENG");
  Version = profile.ReadString("ProductVersion", "Version", "");
  CreateGifBeforeSendEF = profile.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
  ReadCodePages(profile);
  SupportCallBack = IsCallBackFlag(profile.ReadString("Server Information", "SupportCallBack", "0"));
  AnsiString hosts = Trim(profile.ReadString("Server Information", "ComputerName", "127.0.0.1"));
  int port = profile.ReadInteger("Server Information", "ServerPort", 211);
  AutoCheckNewMsg = profile.ReadString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
  CheckInterval = profile.ReadString("TaskMessageCenter Setting", "CheckInterval", "1");
  PopupMsg = profile.ReadString("TaskMessageCenter Setting", "PopupMsg", "1");
  LoginCheck = profile.ReadString("TaskMessageCenter Setting", "LoginCheck", "0");
  ComputeConversions();

  if (!ReadServers(hosts, port)) {
    ErrorCode = "E;000016";
    return;
  }
  ReadWorkDLLPath(profile, ClientPath, "C_PKG/");
}

bool TTillerIniC::ReadServers(AnsiString hosts, int port) {
  if (!hosts.empty() && hosts.back() == ';') hosts.pop_back();
  if (hosts.empty()) return false;
  Servers = Variant::CreateArray({{0, 1}, {0, 0}});
  for (int i = 0; !hosts.empty(); ++i) {
    AnsiString host;
    SplitOff(hosts, ";", host);
    if (i > 0) Servers.Redim(i);
    Servers.GetElement({0, i}) = host;
    Servers.GetElement({1, i}) = port;
  }
  return true;
}

TTillerIniS::TTillerIniS() {
  ServerPath = LocateProfile("ServerPath", "TillerS.ini");
  if (ServerPath.empty()) return;

  DBSettings = Variant::CreateArray({{0, 3}, {0, 7}});
  TIniFile profile(IniFileName);
  Version = profile.ReadString("ProductVersion", "Version", "");
  ReadCodePages(profile);
  ReadDBSettings(profile);
  SupportCallBack = IsCallBackFlag(profile.ReadString("DBPasswordCtrl", "SupportCallBack", "0"));
  AnsiString mainDBType = UpperCase(DBSettings.GetElement({0, 3}).AsString());
  DBKind = mainDBType == "ORACLE" ? 1 : mainDBType == "DB2" ? 2 : 0;
  ComputeConversions();
  ReadWorkDLLPath(profile, ServerPath, "S_PKG/");
}

void TTillerIniS::ReadDBSettings(const TIniFile& profile) {
  const char* const dbe = "DBE Setting";
  const char* const control = "DBPasswordCtrl";
  auto text = [&](int row, int column, const char* section, const char* key, const char* fallback) {
    DBSettings.GetElement({row, column}) = profile.ReadString(section, key, fallback);
  };
  auto integer = [&](int row, int column, const char* section, const char* key, int fallback) {
    DBSettings.GetElement({row, column}) = profile.ReadInteger(section, key, fallback);
  };
  auto password = [&](int row, int column, const char* key) {
    DBSettings.GetElement({row, column}) = DecodeSQLSa(profile.ReadString(dbe, key, ""));
  };
  // Blank addresses stand for the main database server.
  auto address = [&](const char* key) {
    AnsiString value = profile.ReadString(dbe, key, "");
    return Trim(value).empty() ? DBSettings.GetElement({0, 5}).AsString() : value;
  };

  text(0, 1, dbe, "MainUserName", "sa");
  password(0, 2, "XXXXXX");
  text(0, 0, dbe, "MainAlias", "Anvil");
  text(0, 3, dbe, "MainDBType", "MSSQL");
  text(0, 4, dbe, "MainDBName", "");
  text(0, 5, dbe, "MainServerName", "");
  SystemControlAddress = address("SystemControlAddress");
  OtherSystemControlAddress = address("OtherSystemControlAddress");
  integer(0, 6, dbe, "MainConnectionTimeOut", 300);
  integer(0, 7, dbe, "MainCommandTimeOut", 3000);

  text(1, 0, dbe, "TempAlias", "AnvilTemp");
  text(1, 1, dbe, "TempUserName", "sa");
  password(1, 2, "TempPassword");
  text(1, 3, dbe, "TempDBType", "PARADOX");
  text(1, 4, dbe, "TempDBName", "");
  text(1, 5, dbe, "TempDriverName", "PostgreSQL");
  integer(1, 6, dbe, "TempConnectionTimeOut", 300);
  integer(1, 7, dbe, "TempCommandTimeOut", 3000);

  DBSettings.GetElement({2, 0}) = Trim(profile.ReadString(control, "ComputerName", ""));
  integer(2, 1, control, "ServerPort", 211);
  integer(2, 2, control, "ClientSocketPort", 1024);
  text(2, 3, dbe, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN");

  text(3, 0, dbe, "EctAlias", "EDIDATA");
  text(3, 1, dbe, "EctUserName", "sa");
  text(3, 2, dbe, "EctPassword", "");
}

void TTillerIniS::GetWorkDLLPaths(TStringList& list) const { list.Assign(WorkDLLPath); }
