#pragma once
// The event types every class shares.

#include "platform/classes/Method.h"
#include "platform/classes/TypeInfo.h"

class TObject;

TTypeInfo EventTypeInfo(const char* name);

using TNotifyEvent = TEvent<TObject*>;
const TTypeInfo& TypeInfoOf(TNotifyEvent*);
