# Installs the build into a scratch prefix and checks that what a desktop and a package manager
# look for is there and agrees: the desktop entry starts an installed program (which finds the
# program proper where it was installed) and names icons that
# exist at the size their folder claims, the metainfo and the Debian changelog name the current
# version, and the manual page is where man looks for it.
#
# cmake -D BUILD_DIR=... -D PREFIX=... -D APP_ID=... -D PACKAGE_NAME=... -D VERSION=...
#       -D CHANGELOG=debian/changelog -D APPSTREAMCLI=...
#       -D BINDIR=bin -D DATADIR=share -D MANDIR=share/man -P CheckInstallTree.cmake
foreach(var IN ITEMS BUILD_DIR PREFIX APP_ID PACKAGE_NAME VERSION CHANGELOG APPSTREAMCLI BINDIR
                     DATADIR MANDIR)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()
macro(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    fail("not installed: ${path}")
  endif()
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

# The desktop entry.
set(desktop "${DATADIR}/applications/${APP_ID}.desktop")
expect_file("${desktop}")
file(STRINGS "${PREFIX}/${desktop}" exec_line REGEX "^Exec=")
file(STRINGS "${PREFIX}/${desktop}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec_line}")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
if(program STREQUAL "" OR program MATCHES "/")
  fail("the desktop entry should start the program by its name, found Exec: '${exec_line}'")
endif()
expect_file("${BINDIR}/${program}")
# What the desktop entry starts finds the program it starts in turn, wherever the tree lies: it
# then says that it cannot use a platform that does not exist.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=no-such LANGUAGE=en
                        "${PREFIX}/${BINDIR}/${program}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 1 OR NOT out MATCHES "platform 'no-such'")
  fail("the installed ${BINDIR}/${program} did not start the program (${rc}): ${out}")
endif()
if(NOT icon STREQUAL APP_ID)
  fail("the desktop entry's icon is '${icon}', not the application id ${APP_ID}")
endif()

# The icons: one per size folder, named after the icon, each PNG as large as its folder says
# (an icon theme finds icons by folder, and a mismatch shows a blurred or wrongly sized icon).
set(hicolor "${DATADIR}/icons/hicolor")
expect_file("${hicolor}/32x32/apps/${icon}.png")
expect_file("${hicolor}/scalable/apps/${icon}.svg")
file(GLOB icons RELATIVE "${PREFIX}/${hicolor}" "${PREFIX}/${hicolor}/*/apps/*")
foreach(png IN LISTS icons)
  if(NOT png MATCHES "^(([0-9]+)x([0-9]+)|scalable)/apps/${icon}\\.(png|svg)$")
    fail("unexpected icon ${hicolor}/${png}")
    continue()
  endif()
  if(CMAKE_MATCH_1 STREQUAL "scalable")
    if(NOT CMAKE_MATCH_4 STREQUAL "svg")
      fail("only SVG icons belong in the scalable folder: ${png}")
    endif()
    continue()
  endif()
  set(want_w ${CMAKE_MATCH_2})
  set(want_h ${CMAKE_MATCH_3})
  # A PNG starts with its 8-byte signature, then the IHDR chunk: length, type, width, height.
  file(READ "${PREFIX}/${hicolor}/${png}" head LIMIT 24 HEX)
  if(NOT head MATCHES "^89504e470d0a1a0a0000000d49484452")
    fail("not a PNG file: ${hicolor}/${png}")
    continue()
  endif()
  string(SUBSTRING "${head}" 32 8 w_hex)
  string(SUBSTRING "${head}" 40 8 h_hex)
  math(EXPR w "0x${w_hex}")
  math(EXPR h "0x${h_hex}")
  if(NOT w EQUAL want_w OR NOT h EQUAL want_h)
    fail("${hicolor}/${png} is ${w}x${h}, its folder says ${want_w}x${want_h}")
  endif()
endforeach()

# The metainfo: its id, the desktop entry it launches, the program it provides, and its newest
# release, which has to be the version being built.
set(metainfo "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
expect_file("${metainfo}")
file(READ "${PREFIX}/${metainfo}" xml)
if(NOT xml MATCHES "<id>([^<]*)</id>" OR NOT CMAKE_MATCH_1 STREQUAL APP_ID)
  fail("the metainfo's id is '${CMAKE_MATCH_1}', not ${APP_ID}")
endif()
if(NOT xml MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>"
   OR NOT CMAKE_MATCH_1 STREQUAL "${APP_ID}.desktop")
  fail("the metainfo launches '${CMAKE_MATCH_1}', not ${APP_ID}.desktop")
endif()
if(NOT xml MATCHES "<binary>([^<]*)</binary>" OR NOT CMAKE_MATCH_1 STREQUAL program)
  fail("the metainfo provides the program '${CMAKE_MATCH_1}', the desktop entry starts '${program}'")
endif()
if(NOT xml MATCHES "<release [^>]*version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the metainfo's newest release is '${CMAKE_MATCH_1}', the project's version is ${VERSION}")
endif()

# The manual page.
expect_file("${MANDIR}/man1/${program}.1.gz")

# The Debian package's newest changelog entry has to be the version being built too.
file(STRINGS "${CHANGELOG}" changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${PACKAGE_NAME} \\(([^)]*)\\)" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the changelog's newest entry is for '${CMAKE_MATCH_1}', the project's version is ${VERSION}")
endif()

# AppStream's own view of the installed tree: the metainfo together with the desktop entry.
execute_process(
  COMMAND "${CMAKE_CURRENT_LIST_DIR}/validate-metainfo.sh" "${APPSTREAMCLI}" validate-tree "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate-tree found problems:\n${out}")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) in the installed tree")
endif()
message(STATUS "installed tree in ${PREFIX} is complete and consistent")
