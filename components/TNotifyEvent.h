#pragma once

#include "TObject.h"

#include <functional>

// An event handler bound to a component's event (OnClick, OnTimer).
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Calls Event for Sender, if one is bound. This is the one place where the component layer
// calls into handler code, so it is the boundary no exception may cross: whatever the handler
// throws is reported by Application->ShowException and the event loop goes on.
void CallEvent(const TNotifyEvent& Event, TObject* Sender);
