#include "TMemo.h"

TMemo::TMemo(TComponent* Owner)
    : QPlainTextEdit(qobject_cast<QWidget*>(Owner)), TControl(static_cast<QWidget&>(*this)) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

AnsiString TMemo::GetText() const {
  return Contents();
}

void TMemo::SetText(const AnsiString& Value) {
  Show(Value);
}

void TMemo::Clear() {
  Pending_ = AnsiString();
  if (ApplyQueued_)
    return;
  ApplyQueued_ = true;
  // By name: clang's static analyzer takes the slot object that Qt's overloads for a function
  // hand over to the event loop for a leak.
  QMetaObject::invokeMethod(this, "ApplyPending", Qt::QueuedConnection);
}

void TMemo::AppendLine(const AnsiString& Line) {
  AnsiString Text = Contents();
  if (!Text.empty() && Text.back() != '\n')
    Text += '\n';
  Show(Text + Line);
}

QStringList TMemo::GetLines() const {
  const QString Text = QString::fromStdString(Contents());
  return Text.isEmpty() ? QStringList() : Text.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& Lines) {
  Show(Lines.join(QLatin1Char('\n')).toStdString());
}

// The document's modified flag tells whether the user has typed since the memo last showed a
// text of its own; until then Shown_ is what it holds, and no conversion is needed.
AnsiString TMemo::Contents() const {
  if (Pending_)
    return *Pending_;
  return document()->isModified() ? toPlainText().toStdString() : Shown_;
}

void TMemo::Show(const AnsiString& Text) {
  Pending_.reset();
  if (!document()->isModified() && Text == Shown_)
    return;
  setPlainText(QString::fromStdString(Text));
  document()->setModified(false);
  Shown_ = Text;
}

void TMemo::ApplyPending() {
  ApplyQueued_ = false;
  if (Pending_)
    Show(*Pending_);
}

void TMemo::paintEvent(QPaintEvent* Event) {
  QPlainTextEdit::paintEvent(Event);
  Trace_.Painted(*this);
}
