#pragma once

#include <string>

// Text as the components take and give it: UTF-8 in a std::string.
using AnsiString = std::string;
