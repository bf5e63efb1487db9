#include "MessageBox.h"

#include "TApplication.h"
#include "TCustomForm.h"

#include <QApplication>
#include <QMessageBox>

void RunMessageBox(MessageKind Kind, const AnsiString& Text) {
  QWidget* Parent = QApplication::activeWindow();
  if (!Parent)
    Parent = Application->MainForm();
  QMessageBox Box(Kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QApplication::applicationDisplayName(), QString::fromStdString(Text),
                  QMessageBox::Ok, Parent);
  Box.setTextFormat(Qt::PlainText);
  Box.setWindowModality(Qt::ApplicationModal);
  Box.exec();
}
