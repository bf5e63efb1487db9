#pragma once

// Text in single quotes, as the program's messages quote a name or a value: 'abc'. For any string
// type that is built from a C string and joined with + (std::string, QString).
template <class String> String Quoted(const String& Text) {
  return String("'") + Text + String("'");
}
