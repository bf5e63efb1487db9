#include "StderrCapture.h"

#include <unistd.h>

StderrCapture::StderrCapture() {
  std::fflush(stderr);
  Held_ = std::tmpfile();
  if (!Held_)
    return;
  Saved_ = dup(STDERR_FILENO);
  if (Saved_ < 0 || dup2(fileno(Held_), STDERR_FILENO) < 0) {
    if (Saved_ >= 0)
      close(Saved_);
    Saved_ = -1;
    std::fclose(Held_);
    Held_ = nullptr;
  }
}

StderrCapture::~StderrCapture() {
  const std::string Written = Release();
  if (!Written.empty())
    std::fwrite(Written.data(), 1, Written.size(), stderr);
}

std::string StderrCapture::Release() {
  if (!Held_)
    return {};
  std::fflush(stderr);
  dup2(Saved_, STDERR_FILENO);
  close(Saved_);
  Saved_ = -1;
  std::string Written;
  std::rewind(Held_);
  char Buffer[4096];
  for (std::size_t Read; (Read = std::fread(Buffer, 1, sizeof Buffer, Held_)) > 0;)
    Written.append(Buffer, Read);
  std::fclose(Held_);
  Held_ = nullptr;
  return Written;
}
