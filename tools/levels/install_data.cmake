# install_data.cmake — copies shipped data files into the run folder without
# ever replacing a file that has been changed there.
#
#   cmake -DSTAGING_DIR=<folder with the new files> -DRUN_DATA_DIR=<run>/Data
#         "-DFILES=001.dat;002.dat" -P install_data.cmake
#
# RUN_DATA_DIR/.shipped/ keeps the copy of each file shipped last time. A file
# is written when it is missing from the run folder or still equals that copy
# (nobody has edited it since); a file that differs from it, or that exists
# without a record and differs from the new one, is the player's and stays.
# Files not named in FILES (settings, saved games, own levels) are never
# looked at.
cmake_minimum_required(VERSION 3.25)

foreach(var STAGING_DIR RUN_DATA_DIR FILES)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "install_data.cmake: ${var} is not set")
  endif()
endforeach()

set(record_dir "${RUN_DATA_DIR}/.shipped")
file(MAKE_DIRECTORY "${RUN_DATA_DIR}" "${record_dir}")

# Copies from to to through a scratch name, so that an interrupted copy never
# leaves half a file under the real name.
function(copy_whole from to)
  file(COPY_FILE "${from}" "${to}.part")
  file(RENAME "${to}.part" "${to}")
endfunction()

function(same_content a b out)
  file(SHA256 "${a}" hash_a)
  file(SHA256 "${b}" hash_b)
  if(hash_a STREQUAL hash_b)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# All or nothing: a shipment with a file missing changes nothing.
foreach(name IN LISTS FILES)
  if(NOT EXISTS "${STAGING_DIR}/${name}")
    message(FATAL_ERROR "install_data.cmake: ${STAGING_DIR}/${name} is missing")
  endif()
endforeach()

foreach(name IN LISTS FILES)
  set(new "${STAGING_DIR}/${name}")
  set(dest "${RUN_DATA_DIR}/${name}")
  set(record "${record_dir}/${name}")

  set(install FALSE)
  set(keep_record FALSE)
  if(NOT EXISTS "${dest}")
    set(install TRUE)
  else()
    same_content("${dest}" "${new}" dest_is_new)
    if(dest_is_new)
      # Already the new file (also after an interrupted earlier run).
      set(keep_record TRUE)
    elseif(EXISTS "${record}")
      same_content("${dest}" "${record}" dest_is_shipped)
      if(dest_is_shipped)
        set(install TRUE)
      endif()
    endif()
  endif()

  if(install)
    copy_whole("${new}" "${dest}")
    copy_whole("${new}" "${record}")
  elseif(keep_record)
    if(NOT EXISTS "${record}")
      copy_whole("${new}" "${record}")
    else()
      same_content("${record}" "${new}" record_is_new)
      if(NOT record_is_new)
        copy_whole("${new}" "${record}")
      endif()
    endif()
  else()
    message(STATUS "Data/${name} was changed in the run folder and is kept; the shipped copy is ${new}")
  endif()
endforeach()
