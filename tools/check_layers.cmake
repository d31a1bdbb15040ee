# check_layers.cmake — which folder may include which; run on every build
# (target layer_check) and by hand:
#   cmake -DSOURCE_DIR=<top of the tree> -P tools/check_layers.cmake
#
# The floors, each calling only the ones below it:
#   game/flow                     start-up, the cycle of modes, the frame loop
#   game/rules  game/front        beside each other, neither includes the other
#   game/world                    the record, levels, images, the renderer
#   common                        rules and tables shared with editor and tools
#   platform/platform.h           the one seam to the host
# The editor and the level tools stand on common and the platform only. Host
# headers (SDL) stay inside platform/sdl, the platform's internals inside
# platform/; tests, benchmarks and fuzz targets may look inside what they
# test.

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layers: give -DSOURCE_DIR=<top of the tree>")
endif()

# folder -> the include prefixes its files may use besides the standard
# library and external libraries (anything in <>, SDL excepted).
set(PUBLIC_PLATFORM "platform/platform.h;platform/scancodes.h")
set(ALLOW_common "common/;${PUBLIC_PLATFORM}")
set(ALLOW_game/world "game/world/;common/;${PUBLIC_PLATFORM}")
set(ALLOW_game/rules "game/rules/;game/world/;common/;${PUBLIC_PLATFORM}")
set(ALLOW_game/front "game/front/;game/world/;common/;${PUBLIC_PLATFORM}")
set(ALLOW_game/flow "game/flow/;game/rules/;game/front/;game/world/;common/;${PUBLIC_PLATFORM}")
set(ALLOW_game "game/flow/flow.h;game/command_line.h;game/world/command_table.h;common/command_line.h;common/file_names.h;${PUBLIC_PLATFORM}")
set(ALLOW_editor "editor/;common/;${PUBLIC_PLATFORM}")
set(ALLOW_tools/levels "tools/levels/;tools/image/;common/;platform/game_folder.h;${PUBLIC_PLATFORM}")
set(FOLDERS common game/world game/rules game/front game/flow game editor tools/levels)

set(problems "")

function(check_file file allowed)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
  foreach(line IN LISTS lines)
    if(line MATCHES "<(SDL[^>]*)>")
      string(APPEND problems "\n  ${rel}: includes <${CMAKE_MATCH_1}>; host headers belong to platform/")
    elseif(line MATCHES "\"([^\"]+)\"" AND NOT "${allowed}" STREQUAL "ANY")
      set(target ${CMAKE_MATCH_1})
      set(ok FALSE)
      foreach(prefix IN LISTS allowed)
        string(FIND "${target}" "${prefix}" at)
        if(at EQUAL 0)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        string(APPEND problems "\n  ${rel}: includes \"${target}\", which its floor may not use")
      endif()
    endif()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

foreach(folder IN LISTS FOLDERS)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(file IN LISTS files)
    check_file(${file} "${ALLOW_${folder}}")
  endforeach()
endforeach()

# Everywhere else outside the SDL backend: no host header. The platform's
# shared code and the headless backend link no host library.
file(GLOB_RECURSE others ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/tests/*.cpp
     ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/tools/*.cpp
     ${SOURCE_DIR}/tools/*.h)
list(FILTER others EXCLUDE REGEX "/platform/sdl/")
foreach(file IN LISTS others)
  check_file(${file} "ANY")
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that cross the floors:${problems}")
endif()
