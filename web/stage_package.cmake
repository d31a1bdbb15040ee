# stage_package.cmake — the site's data package, from a desktop build: lays
# out TO/sprites and TO/wave (the run folder's), TO/shipped (the levels,
# recordings and the shipped level set the level tool staged, as the
# desktop install has them), TO/defaults (the settings a new player
# starts with), and packs them into PACKAGE, a tar archive compressed with
# gzip, which the page unpacks in the browser.
#   cmake -DHOST_BUILD=<build> -DDEFAULTS=<assets/defaults> -DTO=<dir> -DPACKAGE=<x.tar.gz> -P stage_package.cmake
foreach(folder sprites wave)
  if(NOT IS_DIRECTORY ${HOST_BUILD}/run/${folder})
    message(FATAL_ERROR "stage_package: ${HOST_BUILD}/run/${folder} is missing; build the desktop assets first")
  endif()
endforeach()
file(REMOVE_RECURSE ${TO})
file(COPY ${HOST_BUILD}/run/sprites ${HOST_BUILD}/run/wave DESTINATION ${TO})
file(GLOB shipped ${HOST_BUILD}/tools/levels/staging/Data/*.dat
                  ${HOST_BUILD}/tools/levels/staging/Data/*.zset)
file(COPY ${shipped} DESTINATION ${TO}/shipped)
file(GLOB defaults ${DEFAULTS}/*.dat)
file(COPY ${defaults} DESTINATION ${TO}/defaults)

# The same bytes from the same files: names sorted, one time for all; plain
# ustar headers where they suffice (paxr).
file(GLOB_RECURSE files RELATIVE ${TO} ${TO}/*)
list(SORT files)
get_filename_component(tar ${PACKAGE} NAME_WLE)
set(tar ${TO}/../${tar})
file(REMOVE ${tar} ${PACKAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${tar} --format=paxr "--mtime=2000-01-01 00:00:00 UTC" -- ${files}
                WORKING_DIRECTORY ${TO} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "stage_package: packing ${tar} failed")
endif()
execute_process(COMMAND gzip -9 -n -c ${tar} OUTPUT_FILE ${PACKAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "stage_package: gzip ${tar} failed")
endif()
