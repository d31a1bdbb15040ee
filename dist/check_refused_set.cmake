# check_refused_set.cmake — a file handed to the game that is no playable
# level set ends it before any window opens: exit status 1, nothing on
# standard output, and on standard error the program, the file as given
# and the reason in German (UTF-8). The file is given as a file manager
# does, by its name alone, relative to the folder the game is started in,
# and once after --set.
#
#   cmake -DGAME=<zauberlabyrinth> -DSET=<a good .zset> -DSCRATCH=<dir> -P check_refused_set.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
file(WRITE "${SCRATCH}/bild.zset" "GIF89a")
file(READ "${SET}" head LIMIT 300000)
file(WRITE "${SCRATCH}/halb.zset" "${head}")

function(expect_refusal reason)
  execute_process(COMMAND "${GAME}" ${ARGN} WORKING_DIRECTORY "${SCRATCH}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  list(GET ARGN -1 file)
  if(NOT status EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^zauberlabyrinth: ${file}: ${reason}")
    message(FATAL_ERROR "zauberlabyrinth ${ARGN}: exit ${status}, standard output \"${out}\", "
                        "standard error \"${err}\"; expected exit 1 and \"${reason}\"")
  endif()
endfunction()

expect_refusal("Keine Sammlung: die Datei beginnt nicht mit \"Zauberlabyrinth-Sammlung\"\\." bild.zset)
expect_refusal("Die Datei ist abgeschnitten oder beschädigt: in Labyrinth 3 fehlt ein Wert\\." --set halb.zset)
expect_refusal("Die Datei fehlt oder kann nicht gelesen werden\\." --set fehlt.zset)
message(STATUS "refused before any window: bild.zset, halb.zset, fehlt.zset")
