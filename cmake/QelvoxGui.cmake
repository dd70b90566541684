# qelvox_add_gui_library(<name>)
#
# The static library of one GUI folder: every source, header and .ui form in it but main.cpp. Its classes
# derive from their form classes, so the ui_*.h headers that uic writes are part of its public interface.
# uic runs as an ordinary build step per form, so a form added to the folder is picked up by the next build.
function(qelvox_add_gui_library name)
  file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h)
  file(GLOB forms CONFIGURE_DEPENDS *.ui)
  # An executable's entry point stays out of the library that tests link.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  qt_wrap_ui(form_headers ${forms})
  add_library(${name} STATIC ${sources} ${forms} ${form_headers})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  # moc's step reruns only when a file it already scanned changes, so a class added to the folder would go
  # without its meta-object code in an existing build: a changed file list makes the step run again.
  set(file_list ${CMAKE_CURRENT_BINARY_DIR}/${name}_files.txt)
  set(known "")
  if(EXISTS ${file_list})
    file(READ ${file_list} known)
  endif()
  if(NOT known STREQUAL sources)
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
    file(WRITE ${file_list} "${sources}")
  endif()
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
