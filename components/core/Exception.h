#pragma once

#include "AnsiString.h"

#include <exception>

// The root of the component layer's exceptions. Owns its message; what() returns it.
class Exception : public std::exception {
public:
  explicit Exception(AnsiString Message);

  const AnsiString& Message() const noexcept { return Message_; }
  const char* what() const noexcept override { return Message_.c_str(); }

private:
  AnsiString Message_;
};
