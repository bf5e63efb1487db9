#pragma once

#include "AnsiString.h"

enum class MessageKind { Plain, Error };

class QWidget;

// Shows Text in an application-modal box with an OK button and returns when it is closed.
// Events keep being dispatched meanwhile (timers tick), but no other window takes input. The box
// stands over the active window; when no window is active, over Fallback, or without one over the
// first form that is showing. Once it has closed,
// the keyboard focus in the form under it is on the form's first control in tab order.
void RunMessageBox(MessageKind Kind, const AnsiString& Text, QWidget* Fallback);
