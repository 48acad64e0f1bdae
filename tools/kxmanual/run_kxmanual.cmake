# Runs kxmanual without a display; a failure is a warning, not a build error (see CMakeLists.txt).
#   cmake -DTOOL=kxmanual -DINPUT=manual.html -DOUTPUT=manual.pdf -P run_kxmanual.cmake
file(REMOVE ${OUTPUT}.part)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TOOL} ${INPUT} ${OUTPUT}.part
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(result EQUAL 0 AND EXISTS ${OUTPUT}.part)
  file(RENAME ${OUTPUT}.part ${OUTPUT})
else()
  file(REMOVE ${OUTPUT}.part)
  message(WARNING "The PDF manual was not made (kxmanual: ${result}) ${out}${err}\n"
                  "help/manual.html is the manual on this machine.")
endif()
