#pragma once

#include "AnsiString.h"

// Shows Text in a modal box with an OK button and returns once the user has closed it.
// Timer events keep arriving meanwhile; the other windows take no input.
void ShowMessage(const AnsiString& Text);
