#pragma once

#include "TControl.h"

#include <QLineEdit>

// A one-line entry box.
class TEdit : public QLineEdit, public TControl {
  Q_OBJECT

public:
  explicit TEdit(QWidget* Parent);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
};
