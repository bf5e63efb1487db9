// Preloaded into the program: every exit handler that the program itself registers with
// std::atexit fails to register, as when the C library runs out of memory; static objects'
// destructors and the libraries' own handlers register as usual. Each refusal adds a line to the
// file named by REFUSED_ATEXIT_LOG, so that the test knows it acted.
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>

// std::atexit(F) is __cxa_atexit(F, nullptr, ...); a static object's destructor is registered
// with the object as its argument. The program itself is the loaded object without a name.
extern "C" int __cxa_atexit(void (*Function)(void*), void* Argument, void* Handle) {
  using Register = int (*)(void (*)(void*), void*, void*);
  static const auto Next = reinterpret_cast<Register>(dlsym(RTLD_NEXT, "__cxa_atexit"));
  Dl_info Info;
  link_map* Object = nullptr;
  if (Argument == nullptr &&
      dladdr1(reinterpret_cast<void*>(Function), &Info, reinterpret_cast<void**>(&Object),
              RTLD_DL_LINKMAP) != 0 &&
      Object != nullptr && Object->l_name[0] == '\0') {
    const char* Log = std::getenv("REFUSED_ATEXIT_LOG");
    if (std::FILE* File = Log ? std::fopen(Log, "a") : nullptr) {
      static_cast<void>(std::fputs("refused\n", File));
      static_cast<void>(std::fclose(File));
    }
    return -1;
  }
  return Next(Function, Argument, Handle);
}
