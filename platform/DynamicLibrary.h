#pragma once
// Libraries loaded at run time by name, and their entries.
//
// A name ending in ".dll" (any letter case) is loaded as the same name ending in ".so". A name
// with a "/" is a path. A bare name is looked for in the folders of PAVANE_LIBRARY_PATH
// (":"-separated), then in the host program's folder, then by the dynamic linker's own search.
// The first file found is the one loaded.

#include "platform/Text.h"

class TLibrary {
public:
  TLibrary() = default;
  ~TLibrary();
  TLibrary(TLibrary&& other) noexcept;
  TLibrary& operator=(TLibrary&& other) noexcept;
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;

  // Frees the library held, then loads the named one; false when it cannot be loaded.
  bool Load(const AnsiString& name);
  void Free();
  bool Loaded() const { return handle_ != nullptr; }
  // The entry's address; nullptr when nothing is loaded or the entry is missing.
  void* Procedure(const AnsiString& name) const;
  // Why the last Load or Procedure failed, as the dynamic linker put it; empty after success.
  const AnsiString& ErrorText() const { return error_; }

private:
  void* handle_ = nullptr;
  mutable AnsiString error_;
};

// The file name the library of that name is loaded from: the ".dll" rule applied, a bare name
// resolved through the search folders; a bare name found in none of them comes back as it is,
// for the dynamic linker to look up.
AnsiString ResolveLibraryName(const AnsiString& name);
