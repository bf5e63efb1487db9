#pragma once

class QMetaObject;
class QString;

// The component classes a form description may name, by class name. Each has a Q_INVOKABLE
// constructor taking its owner (TComponent*), and publishes what a description may set as
// Q_PROPERTYs. Null for a name that is not one of them.
const QMetaObject* FindComponentClass(const QString& Name);
