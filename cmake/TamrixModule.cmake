# SPDX-License-Identifier: GPL-3.0-or-later
# Every module is one static library made of all the sources of its folder,
# so adding a file to a module never needs a change to the build files.
# EXCLUDE names files of the folder that belong elsewhere (a program's main).
function(tamrix_module target)
  cmake_parse_arguments(M "" "" "DEPS;PUBLIC_DEPS;EXCLUDE" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(_x ${M_EXCLUDE})
    list(REMOVE_ITEM _src ${CMAKE_CURRENT_SOURCE_DIR}/${_x})
  endforeach()
  list(FILTER _src INCLUDE REGEX "\\.cpp$|\\.h$")
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(NOT _cpp)
    # A module that has no code yet still exists for its dependants.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${M_PUBLIC_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${_src})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${M_PUBLIC_DEPS} PRIVATE ${M_DEPS})
endfunction()

# One GoogleTest program per test folder, every *.cpp in it.
function(tamrix_gtest name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT _src)
    return()
  endif()
  find_package(GTest REQUIRED)
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "TAMRIX_BUILD_DIR=${PROJECT_BINARY_DIR}\\;TAMRIX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# One Qt Test program per tst_*.cpp file, run offscreen.
function(tamrix_qtest dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/tst_*.cpp)
  foreach(_f ${_src})
    get_filename_component(_n ${_f} NAME_WE)
    add_executable(${_n} ${_f})
    target_link_libraries(${_n} PRIVATE ${ARGN} Qt6::Test Qt6::Widgets)
    add_test(NAME ${_n} COMMAND ${_n})
    # The windows follow the desktop's language: the tests give them a
    # desktop without one, so that they open in Russian whatever the
    # developer's own desktop speaks.
    set_tests_properties(${_n} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;TAMRIX_BUILD_DIR=${PROJECT_BINARY_DIR};TAMRIX_SOURCE_DIR=${PROJECT_SOURCE_DIR};LANGUAGE=;LC_ALL=;LC_MESSAGES=C.UTF-8")
  endforeach()
endfunction()
