#pragma once

class QObject;

// Every component is a Qt object; an event's sender is the component that raised it.
using TObject = QObject;
using TComponent = QObject;
