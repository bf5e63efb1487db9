#include "StderrCapture.h"

#include <unistd.h>

// The standard error stream is where a failure would be told, so a failed write or flush there
// cannot be reported; nor can closing the scratch file fail in a way that loses anything.

StderrCapture::StderrCapture() : Held_(std::tmpfile()) {
  if (!Held_)
    return;
  static_cast<void>(std::fflush(stderr));
  Saved_ = dup(STDERR_FILENO);
  if (Saved_ < 0 || dup2(fileno(Held_), STDERR_FILENO) < 0) {
    if (Saved_ >= 0)
      close(Saved_);
    Saved_ = -1;
    static_cast<void>(std::fclose(Held_));
    Held_ = nullptr;
  }
}

StderrCapture::~StderrCapture() {
  const std::string Written = Release();
  if (!Written.empty())
    static_cast<void>(std::fwrite(Written.data(), 1, Written.size(), stderr));
}

std::string StderrCapture::Release() {
  if (!Held_)
    return {};
  static_cast<void>(std::fflush(stderr));
  dup2(Saved_, STDERR_FILENO);
  close(Saved_);
  Saved_ = -1;
  std::string Written;
  if (std::fseek(Held_, 0, SEEK_SET) == 0) {
    char Buffer[4096];
    for (std::size_t Read = 0; (Read = std::fread(Buffer, 1, sizeof Buffer, Held_)) > 0;)
      Written.append(Buffer, Read);
  }
  static_cast<void>(std::fclose(Held_));
  Held_ = nullptr;
  return Written;
}
