// The library's main block: runs when the plug-in is loaded and unloaded.

#include "lib/PropertyAccess.h"
#include "platform/controls/StdCtrls.h"

namespace {

[[gnu::constructor]] void LibraryAttached() {
  RegisterStandardControls();
  RegisterFieldClasses();
}

[[gnu::destructor]] void LibraryDetached() { UnregisterFieldClasses(); }

}  // namespace
