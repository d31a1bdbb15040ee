# require_tool.cmake — how the checks of what ships find a tool they cannot
# do without, included by them:
#
#   require_tool(<variable> <program> <how to get it>)
#
# sets <variable> to the program's path, or ends the script saying which
# program is missing and how to get it.
function(require_tool variable program how)
  find_program(${variable} ${program})
  if(NOT ${variable})
    message(FATAL_ERROR "${program} is missing: ${how}")
  endif()
  set(${variable} "${${variable}}" PARENT_SCOPE)
endfunction()
