// Preloaded into the program by the test Program.AtExitRefused: every exit handler that the
// program itself registers with std::atexit fails to register, as when the C library runs out of
// memory; the destructors of static objects and the libraries' own handlers register as usual.
// Each refusal adds a line to the file named by REFUSED_ATEXIT_LOG, so the test knows it acted.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>

namespace {

std::uintptr_t ProgramBegin = 0;
std::uintptr_t ProgramEnd = 0;

// The program's own loaded segments: the first object listed, the one without a name.
int FindProgram(dl_phdr_info* Info, std::size_t /*Size*/, void* /*Data*/) {
  for (int I = 0; I < Info->dlpi_phnum; ++I) {
    const ElfW(Phdr)& Segment = Info->dlpi_phdr[I];
    if (Segment.p_type != PT_LOAD)
      continue;
    const std::uintptr_t Begin = Info->dlpi_addr + Segment.p_vaddr;
    if (ProgramBegin == 0 || Begin < ProgramBegin)
      ProgramBegin = Begin;
    if (Begin + Segment.p_memsz > ProgramEnd)
      ProgramEnd = Begin + Segment.p_memsz;
  }
  return 1;
}

} // namespace

// std::atexit(F) is __cxa_atexit(F, nullptr, ...) in the C library; a static object's destructor
// is registered with the object as its argument.
extern "C" int __cxa_atexit(void (*Function)(void*), void* Argument, void* Handle) {
  using Register = int (*)(void (*)(void*), void*, void*);
  static const auto Next = reinterpret_cast<Register>(dlsym(RTLD_NEXT, "__cxa_atexit"));
  if (ProgramEnd == 0)
    dl_iterate_phdr(FindProgram, nullptr);
  const auto Address = reinterpret_cast<std::uintptr_t>(Function);
  if (Argument == nullptr && Address >= ProgramBegin && Address < ProgramEnd) {
    if (const char* Log = std::getenv("REFUSED_ATEXIT_LOG")) {
      if (std::FILE* File = std::fopen(Log, "a")) {
        static_cast<void>(std::fputs("refused\n", File));
        static_cast<void>(std::fclose(File));
      }
    }
    return -1;
  }
  return Next(Function, Argument, Handle);
}
