#include "TMemo.h"

TMemo::TMemo(QWidget* Parent) : QPlainTextEdit(Parent), TControl(static_cast<QWidget&>(*this)) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

AnsiString TMemo::GetText() const {
  return Contents().toStdString();
}

void TMemo::SetText(const AnsiString& Value) {
  Show(QString::fromStdString(Value));
}

void TMemo::Clear() {
  Pending_ = QString();
  if (ApplyQueued_)
    return;
  ApplyQueued_ = true;
  QMetaObject::invokeMethod(this, &TMemo::ApplyPending, Qt::QueuedConnection);
}

void TMemo::AppendLine(const AnsiString& Line) {
  QString Text = Contents();
  if (!Text.isEmpty() && !Text.endsWith(QLatin1Char('\n')))
    Text += QLatin1Char('\n');
  Show(Text + QString::fromStdString(Line));
}

QString TMemo::Contents() const {
  return Pending_ ? *Pending_ : toPlainText();
}

void TMemo::Show(const QString& Text) {
  Pending_.reset();
  if (Text != toPlainText())
    setPlainText(Text);
}

void TMemo::ApplyPending() {
  ApplyQueued_ = false;
  if (Pending_)
    Show(*Pending_);
}
