#include "TMemo.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const bool TracePaints = [] {
  const char* Value = std::getenv("BENCH_TRACE_MEMO");
  return Value && *Value == '1';
}();

} // namespace

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

void TMemo::paintEvent(QPaintEvent* Event) {
  QPlainTextEdit::paintEvent(Event);
  if (!TracePaints)
    return;
  const QString Text = toPlainText();
  if (Text == LastTraced_)
    return;
  LastTraced_ = Text;
  timespec Now{};
  clock_gettime(CLOCK_REALTIME, &Now);
  std::fprintf(stderr, "memo-painted %lld %s\n",
               static_cast<long long>(Now.tv_sec) * 1000000000LL + Now.tv_nsec,
               Text.simplified().toUtf8().constData());
  std::fflush(stderr);
}
