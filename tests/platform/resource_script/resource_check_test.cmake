# The build-time check of the resource script (check_resources), run on a copy of res/: the
# sound script passes; a typo fails, naming its line; a picture that is not embedded fails.
# Usage: cmake -DCHECKER=... -DRES_DIR=... -DWORK_DIR=... -P resource_check_test.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${RES_DIR}/" DESTINATION "${WORK_DIR}")
set(embedded "${WORK_DIR}/zelmara.rc" "${WORK_DIR}/resource.h" "${WORK_DIR}/zelmara.ico"
             "${WORK_DIR}/formula.bmp")

function(check expected_status expected_error)
  execute_process(COMMAND "${CHECKER}" ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL expected_status OR NOT error MATCHES "${expected_error}")
    message(FATAL_ERROR "check_resources ${ARGN}: status ${status}, stderr: ${error}")
  endif()
endfunction()

check(0 "^$" ${embedded})

file(READ "${WORK_DIR}/zelmara.rc" script)
string(REPLACE "DEFPUSHBUTTON   \"Obtener" "DEFPUSHBUTON    \"Obtener" broken "${script}")
if(broken STREQUAL script)
  message(FATAL_ERROR "the typo was not made")
endif()
file(WRITE "${WORK_DIR}/zelmara.rc" "${broken}")
string(FIND "${broken}" "DEFPUSHBUTON" offset)
string(SUBSTRING "${broken}" 0 ${offset} before)
string(REGEX MATCHALL "\n" newlines "${before}")
list(LENGTH newlines line)
math(EXPR line "${line} + 1")
check(1 "zelmara.rc:${line}: error: " ${embedded})

file(WRITE "${WORK_DIR}/zelmara.rc" "${script}")
list(REMOVE_ITEM embedded "${WORK_DIR}/formula.bmp")
check(1 "formula.bmp\", which is not embedded" ${embedded})
