# check_package.cmake — builds the Debian package from a build tree into a
# scratch folder, unpacks it and checks what a player would meet: the
# programs in /usr/games (none in /usr/bin), the game answering --version,
# dependencies found by dpkg-shlibdeps, manual pages, a software-centre
# entry and menu entries that their validators accept, the licences named,
# and no lintian error.
#
#   cmake -DCPACK=<cpack> -DBUILD_DIR=<build tree> -DSCRATCH=<folder>
#         -DVERSION=<x.y.z> -P check_package.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var CPACK BUILD_DIR SCRATCH VERSION)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "check_package.cmake: ${var} is not set")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
foreach(tool dpkg-deb dpkg-shlibdeps appstreamcli desktop-file-validate lintian)
  require_tool(found_${tool} ${tool} "bash tools/bootstrap.sh package installs it")
endforeach()

# Runs a command; fails with its output unless it succeeds.
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
run("cpack" ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH})
run("dpkg --print-architecture" dpkg --print-architecture)
string(STRIP "${output}" arch)
set(deb ${SCRATCH}/zauberlabyrinth_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${SCRATCH}/*.deb)
  message(FATAL_ERROR "no ${deb}; made: ${made}")
endif()

run("dpkg-deb --field" dpkg-deb --field ${deb} Version Depends)
if(NOT output MATCHES "Version: ${VERSION}\n" OR NOT output MATCHES "Depends: [^\n]*libsdl2-2\\.0-0")
  message(FATAL_ERROR "version or dependencies wrong:\n${output}")
endif()

set(root ${SCRATCH}/root)
run("dpkg-deb -x" dpkg-deb -x ${deb} ${root})
run("the unpacked game" ${root}/usr/games/zauberlabyrinth --version)
if(NOT output STREQUAL "zauberlabyrinth ${VERSION}\n")
  message(FATAL_ERROR "the unpacked game says: ${output}")
endif()
foreach(file usr/games/zauberlabyrinth-editor usr/share/games/zauberlabyrinth/sprites/Zaub1.bmp
             usr/share/games/zauberlabyrinth/wave/titelm.wav usr/share/games/zauberlabyrinth/shipped/001.dat
             usr/share/games/zauberlabyrinth/defaults/Einstellung.dat usr/share/man/man6/zauberlabyrinth.6.gz
             usr/share/man/man6/zauberlabyrinth-editor.6.gz usr/share/man/en/man6/zauberlabyrinth.6.gz
             usr/share/man/en/man6/zauberlabyrinth-editor.6.gz usr/share/doc/zauberlabyrinth/copyright
             usr/share/icons/hicolor/64x64/apps/zauberlabyrinth.png)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()
if(EXISTS ${root}/usr/bin)
  message(FATAL_ERROR "the package has /usr/bin; its programs belong in /usr/games")
endif()

file(GLOB metainfo ${root}/usr/share/metainfo/*.metainfo.xml)
file(GLOB desktop ${root}/usr/share/applications/*.desktop)
list(LENGTH metainfo metainfo_count)
list(LENGTH desktop desktop_count)
if(NOT metainfo_count EQUAL 1 OR NOT desktop_count EQUAL 2)
  message(FATAL_ERROR "one software-centre entry and two menu entries expected: ${metainfo} ${desktop}")
endif()
# With the network: every address the entry names must answer (without
# addresses given when packaging, it names none).
run("appstreamcli validate" appstreamcli validate ${metainfo})
# The licences, named in the copyright file and the entry.
file(READ ${root}/usr/share/doc/zauberlabyrinth/copyright copyright)
file(READ ${metainfo} entry)
foreach(licence GPL-3.0-or-later CC-BY-SA-4.0)
  if(NOT copyright MATCHES "\nLicense: ${licence}\n" OR NOT entry MATCHES "<project_license>[^<]*${licence}")
    message(FATAL_ERROR "the package does not name its licence ${licence}")
  endif()
endforeach()
run("desktop-file-validate" desktop-file-validate ${desktop})
run("lintian" lintian --fail-on error ${deb})
file(REMOVE_RECURSE ${SCRATCH})
message(STATUS "${deb}: unpacked, answers --version, entries valid")
