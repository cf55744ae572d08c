# Target helpers shared by every folder.
#
# kd_headless_library(<name> LAYER <layer> [DEPS ...]) builds a static
# library from the folder's *.cpp files. Headless libraries are plain C++:
# they never link Qt, and kd_check_headless_targets() fails the configure
# step if one does, directly or through another target.
#
# kd_qt_library(<name> LAYER <layer> [DEPS ...]) builds a library that may
# link Qt.
#
# LAYER places the library in the stack of cmake/KdLayers.cmake;
# kd_check_layers() fails the configure step when a library links one that
# is not below it.
#
# Sources are globbed (CONFIGURE_DEPENDS) so that the parallel work on
# separate folders never edits a shared list of files.

include(KdLayers)

set_property(GLOBAL PROPERTY KD_HEADLESS_TARGETS "")
set_property(GLOBAL PROPERTY KD_LAYERED_TARGETS "")

function(kd_set_layer name layer)
  if(NOT layer)
    message(FATAL_ERROR "Library ${name} names no LAYER; give it one of: ${KD_LAYERS} (cmake/KdLayers.cmake).")
  endif()
  list(FIND KD_LAYERS "${layer}" _rank)
  if(_rank LESS 0)
    message(FATAL_ERROR "Library ${name} names layer '${layer}', which is not one of: ${KD_LAYERS} (cmake/KdLayers.cmake).")
  endif()
  set_property(TARGET ${name} PROPERTY KD_LAYER "${layer}")
  set_property(GLOBAL APPEND PROPERTY KD_LAYERED_TARGETS ${name})
endfunction()

function(kd_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast
      -Wno-missing-field-initializers)
    if(KD_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

function(kd_sources out dir)
  file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${_src} PARENT_SCOPE)
endfunction()

function(kd_headless_library name)
  cmake_parse_arguments(ARG "" "LAYER" "DEPS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(_src ${ARG_SOURCES})
  else()
    kd_sources(_src "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} kd_build_options)
  kd_warnings(${name})
  kd_set_layer(${name} "${ARG_LAYER}")
  set_property(GLOBAL APPEND PROPERTY KD_HEADLESS_TARGETS ${name})
endfunction()

function(kd_qt_library name)
  cmake_parse_arguments(ARG "" "LAYER" "DEPS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(_src ${ARG_SOURCES})
  else()
    kd_sources(_src "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  add_library(${name} STATIC ${_src})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} kd_build_options)
  kd_warnings(${name})
  kd_set_layer(${name} "${ARG_LAYER}")
endfunction()

# kd_test(<name> [DEPS ...]): one GoogleTest executable from the folder's
# *.cpp files, registered with CTest test by test.
function(kd_test name)
  cmake_parse_arguments(ARG "QT" "" "DEPS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(_src ${ARG_SOURCES})
  else()
    kd_sources(_src "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} kd_test_support GTest::gtest GTest::gmock)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(${name} PRIVATE kd_test_main_qt)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  kd_warnings(${name})
  # Where tests find the sources and the built all-users tree.
  target_compile_definitions(${name} PRIVATE
    KD_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KD_SHARE_DIR="${PROJECT_BINARY_DIR}/share")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

function(_kd_collect_links target out)
  set(_seen ${${out}})
  if(NOT TARGET ${target})
    set(${out} ${_seen} PARENT_SCOPE)
    return()
  endif()
  get_target_property(_aliased ${target} ALIASED_TARGET)
  if(_aliased)
    set(target ${_aliased})
  endif()
  if(target IN_LIST _seen)
    set(${out} ${_seen} PARENT_SCOPE)
    return()
  endif()
  list(APPEND _seen ${target})
  get_target_property(_type ${target} TYPE)
  set(_links "")
  if(NOT _type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(_l ${target} LINK_LIBRARIES)
    if(_l)
      list(APPEND _links ${_l})
    endif()
  endif()
  get_target_property(_il ${target} INTERFACE_LINK_LIBRARIES)
  if(_il)
    list(APPEND _links ${_il})
  endif()
  foreach(_dep IN LISTS _links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _dep "${_dep}")
    _kd_collect_links(${_dep} _seen)
  endforeach()
  set(${out} ${_seen} PARENT_SCOPE)
endfunction()

function(kd_check_headless_targets)
  get_property(_targets GLOBAL PROPERTY KD_HEADLESS_TARGETS)
  foreach(_t IN LISTS _targets)
    set(_all "")
    _kd_collect_links(${_t} _all)
    foreach(_dep IN LISTS _all)
      if(_dep MATCHES "^Qt6::|^Qt::")
        message(FATAL_ERROR "Headless library ${_t} links ${_dep}; headless code must stay free of Qt.")
      endif()
    endforeach()
  endforeach()
endfunction()

# Every library of the stack links only libraries of the layers below its own
# (cmake/KdLayers.cmake). Direct links are enough: what they link lies lower
# still.
function(kd_check_layers)
  get_property(_targets GLOBAL PROPERTY KD_LAYERED_TARGETS)
  foreach(_t IN LISTS _targets)
    get_target_property(_layer ${_t} KD_LAYER)
    list(FIND KD_LAYERS "${_layer}" _rank)
    get_target_property(_links ${_t} LINK_LIBRARIES)
    if(NOT _links)
      continue()
    endif()
    foreach(_dep IN LISTS _links)
      if(NOT TARGET ${_dep})
        continue()
      endif()
      get_target_property(_dep_layer ${_dep} KD_LAYER)
      if(NOT _dep_layer)
        continue()
      endif()
      list(FIND KD_LAYERS "${_dep_layer}" _dep_rank)
      if(NOT _dep_rank LESS _rank)
        message(FATAL_ERROR
          "Library ${_t} (layer ${_layer}) links ${_dep} (layer ${_dep_layer}), which is not below it; "
          "a library uses only the layers below its own (cmake/KdLayers.cmake).")
      endif()
    endforeach()
  endforeach()
endfunction()
