#pragma once
// Form descriptions embedded in the program: registered at start-up by the sources that the
// build generates from the description files, found by the class name of their root.

#include <memory>

#include "platform/streaming/FormText.h"

// Registers a description under the class name of its root block ("object frmMain: TfrmMain").
void RegisterFormDescription(std::string_view text);
// The parsed description of the class, nullptr when none is registered; parsed once.
const TFormObject* FindFormDescription(std::string_view className);

struct TFormDescriptionRegistrar {
  explicit TFormDescriptionRegistrar(std::string_view text) { RegisterFormDescription(text); }
};
