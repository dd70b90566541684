# qelvox_add_gui_library(<name>)
#
# The static library of one GUI folder: every source, header and .ui form in it but main.cpp (forms compiled by uic and
# seen by lupdate). Its classes derive from their form classes, so the generated ui_*.h headers are part of
# its public interface.
function(qelvox_add_gui_library name)
  file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h *.ui)
  # An executable's entry point stays out of the library that tests link.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources})
  set_target_properties(${name} PROPERTIES AUTOUIC ON)
  target_include_directories(${name} PUBLIC
    ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
endfunction()

# qelvox_add_gui_tests(LIBRARIES <targets...>)
#
# One test executable per tst_*.cpp of the current folder, each linking the given libraries and the desktop
# test kit.
function(qelvox_add_gui_tests)
  cmake_parse_arguments(arg "" "" "LIBRARIES" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS tst_*.cpp)
  foreach(test_source IN LISTS tests)
    get_filename_component(test_name ${test_source} NAME_WE)
    qelvox_add_test(${test_name} SOURCES ${test_source} LIBRARIES ${arg_LIBRARIES} qelvox_desktop_testkit)
  endforeach()
endfunction()
