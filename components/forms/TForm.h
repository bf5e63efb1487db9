#pragma once

#include "TCustomForm.h"

// The class an application's windows derive from.
class TForm : public TCustomForm {
  Q_OBJECT

public:
  explicit TForm(TComponent* Owner) : TCustomForm(Owner) {}
};
