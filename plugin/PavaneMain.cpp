// The library's main block: runs when the plug-in is loaded and unloaded.

#include "controls/BtChkBox.h"
#include "controls/ConditionControls.h"
#include "controls/KvRadioButton.h"
#include "controls/KvRadioGroup.h"
#include "lib/PropertyAccess.h"
#include "platform/controls/StdCtrls.h"

namespace {

// A static object, so that unloading unregisters before the class information it made goes.
struct TLibraryMain {
  TLibraryMain() {
    RegisterStandardControls();
    RegisterBitCheckBoxClasses();
    RegisterKvRadioButtonClass();
    RegisterKvRadioGroupClass();
    RegisterFieldClasses();
    RegisterConditionControls();
  }
  ~TLibraryMain() { UnregisterFieldClasses(); }
  TLibraryMain(const TLibraryMain&) = delete;
  TLibraryMain& operator=(const TLibraryMain&) = delete;
};

const TLibraryMain libraryMain;

}  // namespace
