#include "outside/shell/PluginLibrary.h"

#include <dlfcn.h>

TPluginLibrary::TPluginLibrary(const AnsiString& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
  if (!handle_) throw EWin32Error("Load Library " + path + " Error: " + dlerror(), 126);
  void* entry = dlsym(handle_, "GetController");
  if (!entry) {
    dlclose(handle_);
    throw EWin32Error("GetController not found in " + path, 127);
  }
  // The entry is a function; POSIX guarantees that the object pointer converts back.
  getController_ = reinterpret_cast<TGetControllerFunc>(reinterpret_cast<std::uintptr_t>(entry));
}

// The plug-in stays mapped (RTLD_NODELETE): its windows and classes live as long as the process.
TPluginLibrary::~TPluginLibrary() { dlclose(handle_); }

std::unique_ptr<TDLLBaseController> TPluginLibrary::GetController() const {
  return std::unique_ptr<TDLLBaseController>(getController_());
}
