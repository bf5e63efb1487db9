#include "MessageBox.h"

#include "TCustomForm.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QWidget* FirstFormShowing() {
  for (QWidget* Window : QApplication::topLevelWidgets())
    if (qobject_cast<TCustomForm*>(Window) && Window->isVisible())
      return Window;
  return nullptr;
}

} // namespace

void RunMessageBox(MessageKind Kind, const AnsiString& Text, QWidget* Fallback) {
  QWidget* Parent = QApplication::activeWindow();
  if (!Parent)
    Parent = Fallback ? Fallback : FirstFormShowing();
  QMessageBox Box(Kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QApplication::applicationDisplayName(), QString::fromStdString(Text),
                  QMessageBox::Ok, Parent);
  Box.setTextFormat(Qt::PlainText);
  Box.setWindowModality(Qt::ApplicationModal);
  // Set as the box closes, while the window under it is not active yet: the first control then
  // gets the focus as the window becomes active again, with no stop on the control that had it
  // before. That happens once the code that showed the box has gone on, and a screen reader then
  // reads the control as that code has left it (its description may tell what comes next).
  if (auto* Form = qobject_cast<TCustomForm*>(Parent ? Parent->window() : nullptr))
    QObject::connect(&Box, &QDialog::finished, Form, &TCustomForm::FocusFirstControl);
  Box.exec();
}
