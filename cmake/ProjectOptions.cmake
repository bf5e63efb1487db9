# What every target of the project compiles and links with, as interface libraries that the
# targets link (PRIVATE): project_warnings, the warnings; project_options, the warnings, the
# language level, the hardening and the sanitizers asked for. Warnings become errors with CMake's
# own -DCMAKE_COMPILE_WARNING_AS_ERROR=ON.

set(QUIZ_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic)

add_library(project_options INTERFACE)
target_link_libraries(project_options INTERFACE project_warnings)
target_compile_features(project_options INTERFACE cxx_std_17)

if(QUIZ_SANITIZE)
  target_compile_options(project_options INTERFACE
    -fsanitize=${QUIZ_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(project_options INTERFACE -fsanitize=${QUIZ_SANITIZE})
endif()

# Hardening, in every build and whoever builds: a position-independent executable, a stack
# protector, relocations made read-only and resolved at start-up. Debian's build flags (dh) pass
# the same; they do no harm twice.
include(CheckPIESupported)
check_pie_supported()
set_property(TARGET project_options PROPERTY INTERFACE_POSITION_INDEPENDENT_CODE ON)
target_compile_options(project_options INTERFACE -fstack-protector-strong)
target_link_options(project_options INTERFACE LINKER:-z,relro LINKER:-z,now)
# Where the compiler and the processor have them: stack probes against jumping over the guard
# page, and branch targets marked for control-flow enforcement.
include(CheckCXXCompilerFlag)
foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "QUIZ_HAS${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag})
    target_compile_options(project_options INTERFACE ${flag})
  endif()
endforeach()

# Checked versions of the C library's string and memory functions, which need the optimiser.
# The compiler is asked whether a level is chosen already: by the flags given (Debian's build
# flags optimise and name one), or by the compiler itself when it optimises (some do by
# default). Then it is left alone, as a second, different definition would warn; otherwise the
# optimised builds get level 2, except under the sanitizers, which check the same calls better
# without it. QUIZ_FORTIFIED tells the tests whether to expect the checked calls.
include(CheckCXXSourceCompiles)
set(fortify_probe [[
#include <cstring>
#if !defined(_FORTIFY_SOURCE) || _FORTIFY_SOURCE < 1 || !defined(__OPTIMIZE__)
#error not fortified
#endif
int main() { return 0; }
]])
check_cxx_source_compiles("${fortify_probe}" QUIZ_FLAGS_FORTIFY)
set(CMAKE_REQUIRED_FLAGS "-O2")
check_cxx_source_compiles("${fortify_probe}" QUIZ_COMPILER_FORTIFIES_OPTIMISED)
unset(CMAKE_REQUIRED_FLAGS)
set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
if(QUIZ_FLAGS_FORTIFY)
  set(QUIZ_FORTIFIED 1)
elseif(QUIZ_COMPILER_FORTIFIES_OPTIMISED)
  set(QUIZ_FORTIFIED ${optimised})
elseif(NOT QUIZ_SANITIZE)
  set(QUIZ_FORTIFIED ${optimised})
  target_compile_definitions(project_options INTERFACE $<${optimised}:_FORTIFY_SOURCE=2>)
else()
  set(QUIZ_FORTIFIED 0)
endif()
