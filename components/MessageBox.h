#pragma once

#include "AnsiString.h"

enum class MessageKind { Plain, Error };

// Shows Text in an application-modal box with an OK button and returns when it is closed.
// Events keep being dispatched meanwhile (timers tick), but no other window takes input.
void RunMessageBox(MessageKind Kind, const AnsiString& Text);
