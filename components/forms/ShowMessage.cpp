#include "ShowMessage.h"

#include "MessageBox.h"

void ShowMessage(const AnsiString& Text) {
  RunMessageBox(MessageKind::Plain, Text, nullptr);
}
