# zorbel_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [TIME_ZONES <zones...>]
#                 [APPLICATION Core|Gui|Widgets] [LABELS <labels...>])
# One GoogleTest executable per subsystem, registered with CTest as one entry per test suite
# (fixture or TEST group), named <name>.<Suite>: a process runs a whole suite, and
# `ctest -R <Suite>` picks it. The suites are listed from the binary after each build.
#
# The shared main in tests/support makes the application: a Qt Widgets one (offscreen) when
# the binary links Qt Widgets, else a Qt Core one; APPLICATION chooses another (Gui for code
# that needs a GUI thread but no widget). Before each test it resets the process-wide state of
# the layers the binary links (parse log, desktop, service settings). A binary that links the
# demo service and the service layer gets DemoServiceFixture.
#
# With TIME_ZONES each suite is registered once per zone (TZ set, the zone as name suffix), for
# code whose results must not depend on the machine's own zone. Every entry carries the label
# <name> and the given LABELS.
find_package(GTest REQUIRED)

set(ZORBEL_TEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/ZorbelTestSuites.cmake)

# The targets `targets` link, themselves included, directly or through other targets.
function(zorbel_linked_targets out)
  set(pending ${ARGN})
  set(seen)
  while(pending)
    list(POP_FRONT pending item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      set(item ${aliased})
    endif()
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    get_target_property(type ${item} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT type STREQUAL "UNKNOWN_LIBRARY"
       AND NOT type STREQUAL "SHARED_LIBRARY")
      get_target_property(direct ${item} LINK_LIBRARIES)
      if(direct)
        list(APPEND pending ${direct})
      endif()
    endif()
    get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND pending ${interface})
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(zorbel_add_test name)
  cmake_parse_arguments(ARG "" "APPLICATION" "SOURCES;LIBRARIES;TIME_ZONES;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})

  zorbel_linked_targets(linked ${ARG_LIBRARIES})
  set(support zorbel_test_tools)
  if(zorbel_browser IN_LIST linked)
    list(APPEND support zorbel_test_doubles)
  endif()
  if(zorbel_demo_service IN_LIST linked AND zorbel_service IN_LIST linked)
    list(APPEND support zorbel_test_demo_service)
  endif()
  zorbel_linked_targets(linked ${ARG_LIBRARIES} ${support})
  foreach(layer IN ITEMS text platform service)
    if(zorbel_${layer} IN_LIST linked)
      list(APPEND support zorbel_test_reset_${layer})
    endif()
  endforeach()
  if(ARG_APPLICATION)
    string(TOLOWER ${ARG_APPLICATION} application)
  elseif(Qt6::Widgets IN_LIST linked)
    set(application widgets)
  else()
    set(application core)
  endif()
  if(NOT TARGET zorbel_test_main_${application})
    message(FATAL_ERROR "zorbel_add_test(${name}): APPLICATION is Core, Gui or Widgets")
  endif()
  target_link_libraries(${name} PRIVATE
    ${ARG_LIBRARIES} ${support} zorbel_test_main_${application} GTest::gtest GTest::gmock)

  # After each build the binary lists its suites into a CTest file, which CTest includes.
  set(suites_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake)
  string(REPLACE ";" "," zones "${ARG_TIME_ZONES}")
  set(labels ${name} ${ARG_LABELS})
  string(REPLACE ";" "," labels "${labels}")
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
      -D TEST_NAME=${name}
      -D TEST_BINARY=$<TARGET_FILE:${name}>
      -D TEST_FOLDER=${CMAKE_CURRENT_BINARY_DIR}
      -D TIME_ZONES=${zones}
      -D LABELS=${labels}
      -D OUTPUT=${suites_file}
      -P ${ZORBEL_TEST_SUITES_SCRIPT}
    BYPRODUCTS ${suites_file}
    VERBATIM)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_include.cmake)
  file(WRITE ${include_file}
    "if(EXISTS \"${suites_file}\")\n"
    "  include(\"${suites_file}\")\n"
    "else()\n"
    "  add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
