#pragma once

#include "Exception.h"

// Raised when a text does not convert to the value asked for (see StrToInt).
class EConvertError : public Exception {
public:
  using Exception::Exception;
};
