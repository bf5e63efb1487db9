# Run by CPack on the staged files just before it makes the package (CPACK_PRE_BUILD_SCRIPTS):
# takes the .comment and .note sections (the compiler's signature) out of the installed programs,
# as Debian's own packages do, on top of the stripping CPACK_STRIP_FILES already did.
if(NOT CPACK_QUIZ_STRIP)
  message(FATAL_ERROR "no strip program was found when the build was configured")
endif()
file(GLOB programs
  "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_QUIZ_BINDIR}/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND "${CPACK_QUIZ_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CPACK_QUIZ_STRIP} failed on ${program}")
  endif()
endforeach()
