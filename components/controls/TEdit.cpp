#include "TEdit.h"

#include <limits>

TEdit::TEdit(TComponent* Owner)
    : QLineEdit(qobject_cast<QWidget*>(Owner)), TControl(static_cast<QWidget&>(*this)) {
  setMaxLength(std::numeric_limits<int>::max());
}

AnsiString TEdit::GetText() const {
  return text().toStdString();
}

void TEdit::SetText(const AnsiString& Value) {
  const QString Text = QString::fromStdString(Value);
  if (Text != text())
    setText(Text);
}
