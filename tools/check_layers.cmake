# check_layers.cmake — which file may include which; run on every build
# (target layer_check) and by hand:
#   cmake -DSOURCE_DIR=<top of the tree> -P tools/check_layers.cmake
# Every include that crosses a wall is listed with its file and its line, and
# the script ends with an error.
#
# The floors, each calling only the ones below it:
#   game/flow                     start-up, the cycle of modes, the frame loop
#   game/rules  game/front        beside each other, neither includes the other
#   game/world                    the record, levels, images, the renderer
#   common                        rules and tables shared with editor and tools
#   platform/platform.h           the one seam to the host
# The editor and the level tools stand on common and the platform only.
#
# The platform: its core (the files directly in platform/) includes its own
# headers and nothing of common, game, editor or tools. Its public headers are
# the only way in from outside: platform.h and scancodes.h for the programs;
# the tools may also use headless/headless.h (running a program without a
# window), game_folder.h (bringing the shipped files in by the programs' own
# rule) and file_replace.h (replacing files as the programs do). Each backend
# (platform/sdl, platform/web, platform/headless) includes the core's headers
# and its own; its headers are private to its folder (headless/headless.h
# excepted), and the host's and toolchain's headers (SDL and GL; emscripten
# and html5.h) appear only in the backend folder they belong to.
#
# Tests (tests/, a backend's test/ folder), benchmarks (bench/, a backend's
# bench/ folder) and the fuzz targets (tools/fuzz) may look inside what they
# test, the platform core included, but never into a backend's private
# headers from outside its folder; and only tests include tests/, but for
# its support/ folder, which the benchmarks share (the scratch folder).

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layers: give -DSOURCE_DIR=<top of the tree>")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# ---- What each folder may include -------------------------------------------------
# Each zone: the files it holds (a regular expression on the path from the
# top of the tree) and what they may include in quotes (regular
# expressions; ANY for anything the walls below leave open). A file belongs
# to the first zone that matches; a file of no zone may include anything the
# walls leave open.
set(PUBLIC "^platform/(platform|scancodes)\\.h$")
set(FOR_TOOLS "${PUBLIC};^platform/(headless/headless|game_folder|file_replace)\\.h$")
set(CORE "^platform/[^/]+$")

set(ZONES backend_tests sdl web headless core common game_world game_rules game_front game_flow game editor
    tools_levels tools_image tools_art tools_fuzz tools_invariants tools_screenshots tools)
set(backend_tests_FILES "^platform/[^/]+/(test|bench)/")
set(backend_tests_MAY ANY)
set(sdl_FILES "^platform/sdl/")
set(sdl_MAY "${CORE};^platform/sdl/")
set(web_FILES "^platform/web/")
set(web_MAY "${CORE};^platform/web/")
set(headless_FILES "^platform/headless/")
set(headless_MAY "${CORE};^platform/headless/")
set(core_FILES "^platform/")
set(core_MAY "${CORE}")
set(common_FILES "^common/")
set(common_MAY "^common/;${PUBLIC}")
set(game_world_FILES "^game/world/")
set(game_world_MAY "^game/world/;^common/;${PUBLIC}")
set(game_rules_FILES "^game/rules/")
set(game_rules_MAY "^game/rules/;^game/world/;^common/;${PUBLIC}")
set(game_front_FILES "^game/front/")
set(game_front_MAY "^game/front/;^game/world/;^common/;${PUBLIC}")
set(game_flow_FILES "^game/flow/")
set(game_flow_MAY "^game/flow/;^game/rules/;^game/front/;^game/world/;^common/;${PUBLIC}")
set(game_FILES "^game/")
set(game_MAY "^game/flow/flow\\.h$;^common/language\\.h$;^game/command_line\\.h$;^game/world/command_table\\.h$;^common/command_line\\.h$;^common/file_names\\.h$;${PUBLIC}")
set(editor_FILES "^editor/")
set(editor_MAY "^editor/;^common/;${PUBLIC}")
set(tools_levels_FILES "^tools/levels/")
set(tools_levels_MAY "^tools/levels/;^tools/image/;^common/;${FOR_TOOLS}")
set(tools_image_FILES "^tools/image/")
set(tools_image_MAY "^tools/image/;${FOR_TOOLS}")
set(tools_art_FILES "^tools/art/")
set(tools_art_MAY "^tools/art/;^tools/image/")
set(tools_fuzz_FILES "^tools/fuzz/")
set(tools_fuzz_MAY "^tools/fuzz/;^tools/invariants/;^common/;^game/;^editor/;${CORE};${FOR_TOOLS}")
set(tools_invariants_FILES "^tools/invariants/")
set(tools_invariants_MAY "^tools/invariants/;^common/;^game/world/;^game/front/")
set(tools_screenshots_FILES "^tools/screenshots/")
set(tools_screenshots_MAY "^tools/screenshots/;^tools/image/;^common/;^game/;^editor/;${FOR_TOOLS}")
set(tools_FILES "^tools/")
set(tools_MAY "^tools/;^common/;^game/;^editor/;${FOR_TOOLS}")

# ---- Walls that hold for every file ------------------------------------------------
# Each wall: which kind of include it guards (QUOTED for our headers, HOST for
# those in <>), the names it guards and those it lets pass (regular
# expressions), the files that may include them anyway, and what it says of
# a breach.
set(WALLS sdl_private web_private headless_private tests tests_support host_sdl host_web)
set(sdl_private_KIND QUOTED)
set(sdl_private_GUARDS "^platform/sdl/")
set(sdl_private_FROM "^platform/sdl/")
set(sdl_private_WHY "the SDL backend's own header belongs to platform/sdl")
set(web_private_KIND QUOTED)
set(web_private_GUARDS "^platform/web/")
set(web_private_FROM "^platform/web/")
set(web_private_WHY "the browser backend's own header belongs to platform/web")
set(headless_private_KIND QUOTED)
set(headless_private_GUARDS "^platform/headless/")
set(headless_private_PASSES "^platform/headless/headless\\.h$")
set(headless_private_FROM "^platform/headless/")
set(headless_private_WHY "the headless backend's own header belongs to platform/headless; headless.h is its public face")
set(tests_KIND QUOTED)
set(tests_GUARDS "^tests/")
set(tests_PASSES "^tests/support/")
set(tests_FROM "^tests/;^platform/[^/]+/test/")
set(tests_WHY "only tests include tests/; what a tool shares with them belongs to tools/")
set(tests_support_KIND QUOTED)
set(tests_support_GUARDS "^tests/support/")
set(tests_support_FROM "^tests/;^platform/[^/]+/test/;^bench/;^platform/[^/]+/bench/")
set(tests_support_WHY "only tests and benchmarks include tests/support/; what a tool shares with them belongs to tools/")
set(host_sdl_KIND HOST)
set(host_sdl_GUARDS "^(SDL|GL/|GLES)")
set(host_sdl_FROM "^platform/sdl/")
set(host_sdl_WHY "SDL and GL headers belong to platform/sdl")
set(host_web_KIND HOST)
set(host_web_GUARDS "^(emscripten|html5\\.h)")
set(host_web_FROM "^platform/web/")
set(host_web_WHY "emscripten's headers belong to platform/web")

set(problems "")

function(matches_any text patterns result)
  set(found FALSE)
  foreach(pattern IN LISTS patterns)
    if(text MATCHES "${pattern}")
      set(found TRUE)
      break()
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

function(check_file file)
  file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
  set(may ANY)
  foreach(zone IN LISTS ZONES)
    if(rel MATCHES "${${zone}_FILES}")
      set(may "${${zone}_MAY}")
      break()
    endif()
  endforeach()
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" shown)
    if(line MATCHES "\"([^\"]+)\"")
      set(kind QUOTED)
    elseif(line MATCHES "<([^>]+)>")
      set(kind HOST)
    else()
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    set(why "")
    foreach(wall IN LISTS WALLS)
      if(NOT kind STREQUAL ${wall}_KIND OR NOT target MATCHES "${${wall}_GUARDS}")
        continue()
      endif()
      if(DEFINED ${wall}_PASSES AND target MATCHES "${${wall}_PASSES}")
        continue()
      endif()
      matches_any("${rel}" "${${wall}_FROM}" allowed)
      if(NOT allowed)
        set(why "${${wall}_WHY}")
        break()
      endif()
    endforeach()
    if(why STREQUAL "" AND kind STREQUAL QUOTED AND NOT may STREQUAL "ANY")
      matches_any("${target}" "${may}" allowed)
      if(NOT allowed)
        set(why "its floor may not use it")
      endif()
    endif()
    if(NOT why STREQUAL "")
      string(APPEND problems "\n  ${rel}: ${shown}\n      (${why})")
    endif()
  endforeach()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

set(patterns "")
foreach(folder common game editor platform tools tests bench web dist)
  list(APPEND patterns ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.def)
endforeach()
file(GLOB_RECURSE files ${patterns})
list(FILTER files EXCLUDE REGEX "/node_modules/")
foreach(file IN LISTS files)
  check_file(${file})
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that cross the walls between floors:${problems}")
endif()
