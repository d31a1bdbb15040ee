# check_desktop_files.cmake — the desktop entries must pass
# desktop-file-validate without a single complaint.
#
#   cmake "-DFILES=a.desktop;b.desktop" -P check_desktop_files.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/require_tool.cmake)
require_tool(validator desktop-file-validate "bash tools/bootstrap.sh installs it (Debian package desktop-file-utils)")
execute_process(COMMAND ${validator} ${FILES} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate (exit ${status}):\n${out}${err}")
endif()
message(STATUS "valid: ${FILES}")
