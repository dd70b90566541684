# qelvox_add_gui_library(<name> <sources and forms...>)
#
# A static library of widgets whose .ui forms are compiled by uic. Its classes derive from their form
# classes, so the generated ui_*.h headers are part of its public interface. List the forms among the
# sources, so that lupdate finds their texts.
function(qelvox_add_gui_library name)
  add_library(${name} STATIC ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOUIC ON)
  target_include_directories(${name} PUBLIC
    ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
endfunction()
