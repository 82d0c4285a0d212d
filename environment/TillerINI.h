#pragma once
// Readers of the shell's installation: the registry key that names the client and server folders,
// and the client profile "TillerC.ini" and the server profile "TillerS.ini". A reader reads
// everything once, in its constructor, and never raises: callers look at ErrorCode and take the
// values they need.

#include "platform/IniFile.h"
#include "platform/StringList.h"
#include "platform/Variant.h"

// ClientPath of the shell's registry key, else its ServerPath; empty when neither is set.
AnsiString GetInstallPath();
// Path itself when it names a drive ("D:...") or a network share ("\\server\share",
// "//server/share"); otherwise Base followed by Path without one leading "\" or "/".
AnsiString ResolveProfilePath(const AnsiString& path, const AnsiString& base);

// What both readers hold. Folders end in "/".
class TTillerIni {
public:
  AnsiString ProfileDir;
  // "0" or empty: one shared profile; anything else: a profile folder per user.
  AnsiString ProfileType = "0";
  AnsiString UserName = "Default";
  // "936" (GB), "950" (BIG5) or "437" (English).
  AnsiString UICodePage;
  AnsiString DBCodePage = "936";
  // The system code page when it is 936 or 950, else "437".
  AnsiString SystemCodePage;
  // 2: the program's GB texts are shown in BIG5; 4: GB interface on a BIG5 system; else 0.
  int UIConversion = 0;
  // 2: GB data under a BIG5 interface; 1: BIG5 data under a GB interface; else 0.
  int DataConversion = 0;
  bool SupportCallBack = false;
  AnsiString IniFileName;
  // "E;000015" when the registry key is missing, "E;000016" when no application server is set.
  AnsiString ErrorCode;
  // Folders in which module libraries are looked for.
  TStringList WorkDLLPath;
  AnsiString Version;

protected:
  TTillerIni();

  // Finds the installation folder in the registry value and the profile file below it (the user's
  // own profile, else the shared one). Returns the folder, empty when reading has to stop.
  AnsiString LocateProfile(const char* folderValue, const char* profileName);
  void ReadCodePages(const TIniFile& profile);
  void ComputeConversions();
  // The section's folders, resolved against the installation folder, else its default folder.
  void ReadWorkDLLPath(const TIniFile& profile, const AnsiString& installPath, const char* defaultFolder);
};

// The client profile.
class TTillerIniC : public TTillerIni {
public:
  TTillerIniC();

  AnsiString ClientPath;
  // [0, i] host name and [1, i] port of the i-th application server; unassigned when unread.
  Variant Servers;
  AnsiString LangType;
  AnsiString CreateGifBeforeSendEF;
  AnsiString AutoCheckNewMsg;
  AnsiString CheckInterval;
  AnsiString PopupMsg;
  AnsiString LoginCheck;

private:
  // False when the list names no host.
  bool ReadServers(AnsiString hosts, int port);
};

// The server profile.
class TTillerIniS : public TTillerIni {
public:
  TTillerIniS();

  // Replaces the list's contents with WorkDLLPath.
  void GetWorkDLLPaths(TStringList& list) const;

  AnsiString ServerPath;
  // [0..3, 0..7]: rows main database, temporary database, server connection, exchange database.
  Variant DBSettings;
  // 1 for an "ORACLE" main database, 2 for "DB2", else 0.
  int DBKind = 0;
  // When blank in the profile, the main database server's name.
  AnsiString SystemControlAddress;
  AnsiString OtherSystemControlAddress;

private:
  void ReadDBSettings(const TIniFile& profile);
};
