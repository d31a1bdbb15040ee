# stage_package.cmake — lays out what the site's data package holds, from a
# desktop build: TO/sprites and TO/wave (the run folder's), TO/shipped (the
# levels and recordings the level tool staged), TO/defaults (the settings
# a new player starts with).
#   cmake -DHOST_BUILD=<build> -DDEFAULTS=<assets/defaults> -DTO=<dir> -P stage_package.cmake
foreach(folder sprites wave)
  if(NOT IS_DIRECTORY ${HOST_BUILD}/run/${folder})
    message(FATAL_ERROR "stage_package: ${HOST_BUILD}/run/${folder} is missing; build the desktop assets first")
  endif()
endforeach()
file(REMOVE_RECURSE ${TO})
file(COPY ${HOST_BUILD}/run/sprites ${HOST_BUILD}/run/wave DESTINATION ${TO})
file(GLOB shipped ${HOST_BUILD}/tools/levels/staging/Data/*.dat)
file(COPY ${shipped} DESTINATION ${TO}/shipped)
file(GLOB defaults ${DEFAULTS}/*.dat)
file(COPY ${defaults} DESTINATION ${TO}/defaults)
