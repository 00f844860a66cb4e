# Runs the driver on a scenario and checks its exit status and that it names the line at fault.
execute_process(COMMAND ${DRIVER} ${SCENARIO} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${SCENARIO}:[0-9]+:")
  message(FATAL_ERROR "the report names no line of the scenario:\n${out}${err}")
endif()
