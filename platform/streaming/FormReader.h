#pragma once
// Builds components from form descriptions: a derived form's description is applied over its
// ancestors', components are created by class name with their owner and parent, properties
// are assigned through the type information, events are bound to the root's published
// methods by name. Root and components keep the state "loading" during the read, each
// component "reading" while its block is read; Loaded runs for all of them at the end.

#include <vector>

#include "platform/classes/Component.h"
#include "platform/streaming/FormText.h"

class EReadError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EReadError"; }
};

// Applies the registered descriptions of Root's class chain, the most general first, up to
// and without StopClass. False when no class of the chain has a description.
bool ReadInheritedDescriptions(TComponent& root, const TClassInfo& stopClass);
// Applies the given descriptions in order (tests and tools).
void ReadDescriptions(TComponent& root, const std::vector<const TFormObject*>& descriptions);
