#include "TButton.h"

TButton::TButton(TComponent* Owner)
    : QPushButton(qobject_cast<QWidget*>(Owner)), TControl(static_cast<QWidget&>(*this)) {
  setAutoDefault(false);
  setDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (!IsBlockedByModal())
      CallEvent(OnClick_, this);
  });
}

AnsiString TButton::GetText() const {
  return text().toStdString();
}

void TButton::SetText(const AnsiString& Value) {
  const QString Caption = QString::fromStdString(Value);
  if (Caption != text())
    setText(Caption);
}
