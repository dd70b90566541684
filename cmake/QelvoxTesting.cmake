# The base fixture of every test class (tests/platform/QelvoxTestCase.h): unexpected Qt warnings fail.
add_library(qelvox_testcase INTERFACE)
target_sources(qelvox_testcase INTERFACE ${PROJECT_SOURCE_DIR}/tests/platform/QelvoxTestCase.h)
target_include_directories(qelvox_testcase INTERFACE ${PROJECT_SOURCE_DIR}/tests/platform)
target_link_libraries(qelvox_testcase INTERFACE Qt6::Test)

# qelvox_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# One QtTest executable, registered with CTest. Every test runs with the
# offscreen platform so that it needs no display.
function(qelvox_add_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test qelvox_testcase ${arg_LIBRARIES})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1"
    TIMEOUT 300)
endfunction()
