#include "ShowMessage.h"

#include "MessageBox.h"
#include "TApplication.h"
#include "TCustomForm.h"

void ShowMessage(const AnsiString& Text) {
  RunMessageBox(MessageKind::Plain, Text, Application->MainForm());
}
