# zorbel_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [ENVIRONMENT <VAR=value...>])
# One GoogleTest executable per subsystem. Every test runs with Qt's offscreen
# platform; the shared main in tests/support creates the QApplication.
find_package(GTest REQUIRED)
include(GoogleTest)

function(zorbel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} zorbel_test_support GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}")
endfunction()
