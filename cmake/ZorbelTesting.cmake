# zorbel_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [TIME_ZONES <zones...>])
# One GoogleTest executable per subsystem; the shared main in tests/support
# creates the QApplication on Qt's offscreen platform. With TIME_ZONES the
# tests are registered once per zone (TZ set, the zone as name suffix), for
# code whose results must not depend on the machine's own zone.
find_package(GTest REQUIRED)
include(GoogleTest)

function(zorbel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;TIME_ZONES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} zorbel_test_main GTest::gtest GTest::gmock)
  if(NOT ARG_TIME_ZONES)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
  endif()
  foreach(zone IN LISTS ARG_TIME_ZONES)
    string(MAKE_C_IDENTIFIER ${zone} suffix)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      NO_PRETTY_VALUES
      TEST_SUFFIX .${suffix}
      PROPERTIES ENVIRONMENT TZ=${zone})
  endforeach()
endfunction()
