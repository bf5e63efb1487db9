#pragma once

#include "TControl.h"
#include "TObject.h"

#include <QLineEdit>

// A one-line entry box. It keeps whatever is typed or pasted into it, however long: there is no
// length limit (a plain QLineEdit cuts a paste at 32767 characters).
//
// A description may set: the control properties (TControl.h), Text and TabOrder.
class TEdit : public QLineEdit, public TControl {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  T_CONTROL_PROPERTIES
  Q_PROPERTY(AnsiString Text READ GetText WRITE SetText)
  Q_PROPERTY(int TabOrder READ GetTabOrder WRITE SetTabOrder)

public:
  Q_INVOKABLE explicit TEdit(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
};
