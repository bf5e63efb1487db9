#include "ComponentClasses.h"

#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

#include <QString>

const QMetaObject* FindComponentClass(const QString& Name) {
  static const QMetaObject* const Classes[] = {
      &TLabel::staticMetaObject,  &TEdit::staticMetaObject,  &TMemo::staticMetaObject,
      &TButton::staticMetaObject, &TTimer::staticMetaObject,
  };
  for (const QMetaObject* Class : Classes)
    if (Name == QLatin1String(Class->className()))
      return Class;
  return nullptr;
}
