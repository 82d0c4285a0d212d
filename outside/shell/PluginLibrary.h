#pragma once
// The shell's side of the plug-in boundary: loads a plug-in file by path and hands out
// controllers from its GetController.

#include <memory>

#include "plugin/DLLBaseCtrller.h"

class TPluginLibrary {
public:
  // Raises EWin32Error naming the file or the entry when either is missing.
  explicit TPluginLibrary(const AnsiString& path);
  ~TPluginLibrary();
  TPluginLibrary(const TPluginLibrary&) = delete;
  TPluginLibrary& operator=(const TPluginLibrary&) = delete;

  // A new controller; the shell owns it.
  std::unique_ptr<TDLLBaseController> GetController() const;

private:
  void* handle_;
  TGetControllerFunc getController_;
};
