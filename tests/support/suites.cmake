# Run by ctest before the tests: lists the tests of the GoogleTest program EXE
# and writes OUT with one test per test suite, so that a suite's tests share one
# process. Tests named Picture... run apart with the label "picture". A test
# that hangs fails after ten minutes instead of holding up the run.
# Inputs: EXE, OUT, WORKING_DIR, TEST_ENV.
execute_process(COMMAND "${EXE}" --gtest_list_tests
                WORKING_DIRECTORY "${WORKING_DIR}"
                OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${EXE} --gtest_list_tests failed: ${result}\n${listing}")
endif()

string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE " *#.*" "" line "${line}")
  if(line MATCHES "^([^ ]+)\\.$")
    set(suite "${CMAKE_MATCH_1}")
    list(APPEND suites "${suite}")
    set(plain_${suite} FALSE)
    set(picture_${suite} FALSE)
  elseif(line MATCHES "^  Picture")
    set(picture_${suite} TRUE)
  elseif(line MATCHES "^  [^ ]")
    set(plain_${suite} TRUE)
  endif()
endforeach()

set(script "")
foreach(suite IN LISTS suites)
  if(plain_${suite})
    string(APPEND script "add_test([=[${suite}]=] [==[${EXE}]==] [=[--gtest_filter=${suite}.*-${suite}.Picture*]=])\n"
           "set_tests_properties([=[${suite}]=] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIR}]==]"
           " ENVIRONMENT [==[${TEST_ENV}]==] TIMEOUT 600)\n")
  endif()
  if(picture_${suite})
    string(APPEND script "add_test([=[${suite}.Picture]=] [==[${EXE}]==] [=[--gtest_filter=${suite}.Picture*]=])\n"
           "set_tests_properties([=[${suite}.Picture]=] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIR}]==]"
           " ENVIRONMENT [==[${TEST_ENV}]==] LABELS picture TIMEOUT 600)\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${script}")
