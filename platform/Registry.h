#pragma once
// The registry, read-only, from the text file that PAVANE_REGISTRY names. Each key is a section
// headed by its full path, values are name=value lines holding texts:
//   [HKEY_LOCAL_MACHINE\Software\ORVO\Tiller]
//   ClientPath=/opt/erp/client/
// Key paths and value names compare without letter case. A key exists when a section names it or
// a key below it. Without the variable or the file the registry is empty.

#include <cstdint>

#include "platform/IniFile.h"
#include "platform/Text.h"

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

class TRegistry {
public:
  // Reads the registry file as it is now.
  TRegistry();

  // A path starting with "\" is taken from RootKey; any other from the open key, else RootKey.
  // False, leaving the open key as it was, when the key does not exist.
  bool OpenKeyReadOnly(const AnsiString& key);
  void CloseKey();
  // A value of the open key; empty when absent or when no key is open.
  AnsiString ReadString(const AnsiString& name) const;
  bool ValueExists(const AnsiString& name) const;
  // The same path rules as OpenKeyReadOnly.
  bool KeyExists(const AnsiString& key) const;

  HKEY RootKey = HKEY_CURRENT_USER;

private:
  // The full path of a key ("HKEY_LOCAL_MACHINE\Software\..."), without outer backslashes.
  AnsiString FullPath(const AnsiString& key) const;
  // The section that holds the key's values, empty when the key has none; nullopt when absent.
  std::optional<AnsiString> FindKey(const AnsiString& fullPath) const;

  TIniFile file_;
  TStringList sections_;
  std::optional<AnsiString> openSection_;
};
