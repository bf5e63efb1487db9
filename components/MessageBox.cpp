#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

void RunMessageBox(MessageKind Kind, const AnsiString& Text, QWidget* Fallback) {
  QWidget* Parent = QApplication::activeWindow();
  if (!Parent)
    Parent = Fallback;
  QMessageBox Box(Kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QApplication::applicationDisplayName(), QString::fromStdString(Text),
                  QMessageBox::Ok, Parent);
  Box.setTextFormat(Qt::PlainText);
  Box.setWindowModality(Qt::ApplicationModal);
  Box.exec();
}
