#pragma once
// Files and folders, POSIX paths with "/" as the separator.

#include "platform/Text.h"

inline constexpr char PathDelim = '/';

bool FileExists(const AnsiString& path);
bool DirectoryExists(const AnsiString& path);
// Creates the folder and its missing parents; true when it exists afterwards.
bool ForceDirectories(const AnsiString& path);
// The whole file's bytes; false (and nothing) when it cannot be read.
bool ReadFileBytes(const AnsiString& path, std::string& bytes);
// Appends the bytes to the file, creating it when missing; raises EInOutError with errno.
void AppendToFile(const AnsiString& path, std::string_view bytes);

// Folder part with its trailing separator, name, extension with its dot.
AnsiString ExtractFilePath(const AnsiString& path);
AnsiString ExtractFileName(const AnsiString& path);
AnsiString ExtractFileExt(const AnsiString& path);
AnsiString ChangeFileExt(const AnsiString& path, const AnsiString& ext);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path);

// The temporary folder (TMPDIR, else /tmp) with its trailing separator.
AnsiString GetTempPath();
// The canonical absolute name of an existing path; empty when it cannot be resolved.
AnsiString GetLongPathName(const AnsiString& path);
// The folder of the running executable, with its trailing separator.
AnsiString GetHostProgramFolder();
// The full path of the shared object or executable that holds the given address.
AnsiString GetModuleFileName(const void* addressInModule);

AnsiString GetUserName();
AnsiString GetComputerName();
