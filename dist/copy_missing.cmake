# copy_missing.cmake — copies the *.dat files of a folder into another where
# that one has no file of the name: files the player gets once and then owns
# (the settings with the best players).
#
#   cmake -DFROM=<folder> -DTO=<run>/Data -P copy_missing.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var FROM TO)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "copy_missing.cmake: ${var} is not set")
  endif()
endforeach()

file(MAKE_DIRECTORY "${TO}")
file(GLOB files "${FROM}/*.dat")
foreach(from IN LISTS files)
  get_filename_component(name "${from}" NAME)
  set(to "${TO}/${name}")
  if(NOT EXISTS "${to}" AND NOT IS_SYMLINK "${to}")
    # Through a scratch name: an interrupted copy leaves no half file.
    file(COPY_FILE "${from}" "${to}.part")
    file(RENAME "${to}.part" "${to}")
  endif()
endforeach()
