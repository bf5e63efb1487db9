#include "Exception.h"

#include <utility>

Exception::Exception(AnsiString Message) : Message_(std::move(Message)) {}
