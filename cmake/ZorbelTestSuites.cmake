# cmake -D TEST_NAME=<name> -D TEST_BINARY=<file> -D TEST_FOLDER=<dir> -D TIME_ZONES=<a,b>
#       -D LABELS=<a,b> -D OUTPUT=<file> -P ZorbelTestSuites.cmake
# Writes the CTest entries of a GoogleTest binary, one per test suite as the binary lists
# them (`Suite`, `Instance/Suite`, `Suite/0`), once per time zone when zones are given.
string(REPLACE "," ";" zones "${TIME_ZONES}")
string(REPLACE "," ";" labels "${LABELS}")

# Listing is no test: a sanitizer build's leak check at exit must not fail the build.
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:detect_leaks=0")
execute_process(
  COMMAND "${TEST_BINARY}" --gtest_list_tests
  WORKING_DIRECTORY "${TEST_FOLDER}"
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE result
  TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_BINARY} --gtest_list_tests failed (${result}):\n${listing}${errors}")
endif()

# A suite line starts in the first column and ends with a dot, perhaps before a comment
# naming the type parameter; the cases below it are indented. Semicolons and brackets (in
# printed parameters) would split or join list items: no suite name holds them.
string(REGEX REPLACE "[][;]" "_" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites)
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.( +#.*)?$")
    list(APPEND suites "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(script "")
function(append_entry entry properties)
  string(APPEND script
    "add_test([==[${entry}]==] [==[${TEST_BINARY}]==] [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${entry}]==] PROPERTIES WORKING_DIRECTORY [==[${TEST_FOLDER}]==]"
    " LABELS [==[${labels}]==]${properties})\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()

foreach(suite IN LISTS suites)
  if(NOT zones)
    append_entry("${TEST_NAME}.${suite}" "")
  endif()
  foreach(zone IN LISTS zones)
    string(MAKE_C_IDENTIFIER "${zone}" suffix)
    append_entry("${TEST_NAME}.${suite}.${suffix}" " ENVIRONMENT [==[TZ=${zone}]==]")
  endforeach()
endforeach()
file(WRITE "${OUTPUT}" "${script}")
