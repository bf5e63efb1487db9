#pragma once

#include <cstdio>
#include <string>

// Holds back what is written to the standard error stream, at the level of the file descriptor,
// from construction until Release: what libraries below the toolkit print there (libwayland's
// complaints, for one) can then be folded into a report or passed on unchanged.
class StderrCapture {
public:
  StderrCapture();
  // Releases the capture if that has not been done, dropping nothing: the text is written out.
  ~StderrCapture();
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // Gives the standard error stream back and returns what was written to it meanwhile. Later
  // calls return nothing.
  std::string Release();

private:
  int Saved_ = -1;
  std::FILE* Held_ = nullptr;
};
