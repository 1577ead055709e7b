# Lists what the preview module takes from the program that loads it: the
# symbols the module leaves undefined. Writes a dynamic list (the program
# exports these and nothing else) and a linker script that makes the linker
# pull in the objects defining them (symbols the system's libraries define
# are found there as usual).
# cmake -DNM=... -DMODULE=... -DDYNAMIC_LIST=... -DLINKER_SCRIPT=... -P PreviewImports.cmake
cmake_minimum_required(VERSION 3.25) # script mode: today's list() rules
execute_process(COMMAND ${NM} -D --undefined-only --format=just-symbols ${MODULE}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read the symbols of ${MODULE}")
endif()
string(REGEX REPLACE "@[^\n]*" "" symbols "${symbols}") # version suffixes
string(REPLACE "\n" ";" symbols "${symbols}")
list(FILTER symbols EXCLUDE REGEX "^$")
list(REMOVE_DUPLICATES symbols)
list(SORT symbols)
list(JOIN symbols ";\n  " body)
file(WRITE ${DYNAMIC_LIST} "{\n  ${body};\n};\n")
list(JOIN symbols " " externs)
file(WRITE ${LINKER_SCRIPT} "EXTERN(${externs})\n")
