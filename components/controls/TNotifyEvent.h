#pragma once

#include "TObject.h"

#include <functional>

class Exception;

// An event handler bound to a component's event (OnClick, OnTimer).
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Shows the message of an exception that left a handler. The application object installs its
// report (a message box) when it starts; until then the message goes to standard error.
using TEventExceptionReport = void (*)(const Exception& E);
void SetEventExceptionReport(TEventExceptionReport Report);

// Calls Event for Sender, if one is bound. This is the one place where the component layer
// calls into handler code, so it is the boundary no exception may cross: whatever the handler
// throws is reported through the installed report and the event loop goes on. Event is taken
// by value: a handler may replace or drop its own binding while it runs.
void CallEvent(TNotifyEvent Event, TObject* Sender);
