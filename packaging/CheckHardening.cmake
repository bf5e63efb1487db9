# Checks that the built program carries the hardening the top-level CMakeLists.txt asks for,
# whatever flags the build was given: a position-independent executable, relocations read-only
# (RELRO) and resolved at start-up (BIND_NOW), the stack protector and, in an optimised build,
# the fortified versions of the C library's functions. Debian's hardening-check and blhc check
# the package's build (scripts/package), where Debian's build flags bring the same; this check
# is for every other build (scripts/test, scripts/run, a plain cmake), hardened by the project's
# own flags alone.
#
# cmake -D READELF=... -D PROGRAM=... -D FORTIFIED=ON|OFF -P CheckHardening.cmake
foreach(var IN ITEMS READELF PROGRAM FORTIFIED)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

execute_process(COMMAND "${READELF}" --wide --file-header --program-headers --dynamic --dyn-syms
                        "${PROGRAM}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE elf ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${READELF} failed on ${PROGRAM}:\n${errors}")
endif()

set(missing "")
# A PIE is a shared object (DYN) that the dynamic section marks as PIE.
if(NOT elf MATCHES "Type: +DYN" OR NOT elf MATCHES "FLAGS_1\\)[^\n]* PIE")
  list(APPEND missing "position-independent executable")
endif()
if(NOT elf MATCHES "GNU_RELRO")
  list(APPEND missing "RELRO")
endif()
if(NOT elf MATCHES "\\(FLAGS\\)[^\n]*BIND_NOW" AND NOT elf MATCHES "FLAGS_1\\)[^\n]* NOW")
  list(APPEND missing "BIND_NOW")
endif()
if(NOT elf MATCHES "__stack_chk_fail")
  list(APPEND missing "stack protector")
endif()
if(FORTIFIED AND NOT elf MATCHES "__[a-z_]+_chk@")
  list(APPEND missing "fortified C library calls")
endif()

if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${PROGRAM} is built without: ${missing}")
endif()
message(STATUS "${PROGRAM} is hardened")
