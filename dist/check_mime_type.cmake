# check_mime_type.cmake — the level set's file type must be one that the
# desktop's database takes, and it must tell a set file by its content as
# well as by its name.
#
#   cmake -DXML=<zauberlabyrinth-mime.xml> -DSET=<a .zset file> -DSCRATCH=<dir> -P check_mime_type.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
require_tool(update update-mime-database "bash tools/bootstrap.sh installs it (Debian package shared-mime-info)")
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/mime/packages")
file(COPY_FILE "${XML}" "${SCRATCH}/mime/packages/zauberlabyrinth.xml")
# With the scratch folder among the data folders, the tool has nothing to
# note but what is wrong with the file.
execute_process(COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_DIRS=${SCRATCH}" "XDG_DATA_HOME=${SCRATCH}"
                        ${update} "${SCRATCH}/mime"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT "${err}" STREQUAL "")
  message(FATAL_ERROR "update-mime-database (exit ${status}):\n${out}${err}")
endif()
set(entry "${SCRATCH}/mime/application/x-zauberlabyrinth-set.xml")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "the database has no entry application/x-zauberlabyrinth-set")
endif()
# The magic: a set's first bytes.
file(READ "${SET}" head LIMIT 40)
string(FIND "${head}" "\"Zauberlabyrinth-Sammlung\"" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "a set file begins with \"${head}\", not with what the type's magic looks for")
endif()
file(READ "${XML}" xml)
if(NOT xml MATCHES "value=\"&quot;Zauberlabyrinth-Sammlung&quot;\"" OR NOT xml MATCHES "pattern=\"\\*\\.zset\"")
  message(FATAL_ERROR "the type's magic or its name pattern is not that of a set file")
endif()
message(STATUS "valid: application/x-zauberlabyrinth-set")
