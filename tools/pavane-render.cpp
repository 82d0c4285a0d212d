// Renders a form description to a PNG file, so a person can look at a window on a machine
// without a display.
//
//   pavane-render <form description .dfm> <out.png>
//
// The root becomes a plain form and event bindings are left out (see FormFromDescription).

#include <iostream>

#include "controls/BtChkBox.h"
#include "controls/KvRadioButton.h"
#include "controls/KvRadioGroup.h"
#include "platform/Files.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pavane-render <form description .dfm> <out.png>\n";
    return 2;
  }
  std::string text;
  if (!ReadFileBytes(argv[1], text)) {
    std::cerr << "pavane-render: cannot read " << argv[1] << "\n";
    return 1;
  }
  // Design texts are GB; drawing decodes them by the fonts' character sets.
  if (GetACP() != 936) SetACP(936);
  RegisterStandardControls();
  RegisterBitCheckBoxClasses();
  RegisterKvRadioButtonClass();
  RegisterKvRadioGroupClass();
  try {
    TForm* form = FormFromDescription(text);
    try {
      SaveControlToPng(*form, argv[2]);
    } catch (...) {
      form->Free();
      throw;
    }
    std::cout << argv[2] << ": " << form->Width() << " x " << form->Height() << "\n";
    form->Free();
  } catch (const std::exception& e) {
    std::cerr << "pavane-render: " << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
