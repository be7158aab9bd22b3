cmake_minimum_required(VERSION 3.25)
# Checks that every folder includes only from the folders its layer may use:
#   cmake -DROOT=<source folder> -DRULES=<build>/layers.txt -P CheckLayers.cmake
# Each line of RULES is "folder:reachable,folders". An include names its
# folder first ("world/Level.hpp"); one from a folder of the project that is
# not reachable is reported, and the script fails after listing them all.
file(STRINGS "${RULES}" rules)
set(faults 0)
foreach(rule ${rules})
  if(NOT rule MATCHES "^([^:]+):(.*)$")
    continue()
  endif()
  set(folder ${CMAKE_MATCH_1})
  string(REPLACE "," ";" reachable "${CMAKE_MATCH_2}")
  file(GLOB_RECURSE files "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.hpp")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([A-Za-z_]+)/.*$" "\\1" target "${line}")
      # A folder may always use its own files.
      if(IS_DIRECTORY "${ROOT}/${target}" AND NOT target IN_LIST reachable
         AND NOT target STREQUAL folder)
        file(RELATIVE_PATH shown "${ROOT}" "${file}")
        message("${shown}: ${folder}/ may not include from ${target}/ (${line})")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} includes reach a layer their folder may not use")
endif()
