# Strict warnings for the project's own code; third-party headers (Qt, GoogleTest)
# come in as system includes through their imported targets.
function(kilnward_strict_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Includes name their folder ("form/Form.h"). A target reaches a folder only through a
# generated include root of its own that links to that folder, and a library hands its root on
# to the targets that link it: so a file sees the folders of its target and of what that target
# links, and an include of any other folder fails to compile. A library's root is public, an
# executable's private.
function(kilnward_expose_folder target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  # The root is laid anew once per configure, so a folder that moved away since the last one
  # does not stay reachable in an existing build tree (removing a link leaves its folder).
  get_property(laid GLOBAL PROPERTY KILNWARD_LAID_ROOTS)
  if(NOT target IN_LIST laid)
    file(REMOVE_RECURSE ${root})
    set_property(GLOBAL APPEND PROPERTY KILNWARD_LAID_ROOTS ${target})
  endif()
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()

# The folder of the CMakeLists.txt being read, as includes name it.
function(kilnward_expose_own_folder target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  kilnward_expose_folder(${target} ${folder})
endfunction()

# A static library of kilnward_core, one per source folder.
function(kilnward_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  kilnward_strict_warnings(${name})
  kilnward_expose_own_folder(${name})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# A GoogleTest executable registered with ctest. Tests find the binaries and the shipped
# data through KILNWARD_BIN (one environment entry only: gtest_discover_tests would split a
# list); scripts/test runs them on the offscreen platform.
function(kilnward_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  kilnward_strict_warnings(${name})
  kilnward_expose_folder(${name} tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  # A cross-built test lists its cases when ctest runs (under the emulator), not while
  # building.
  set(discovery_mode POST_BUILD)
  if(CMAKE_CROSSCOMPILING)
    set(discovery_mode PRE_TEST)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE ${discovery_mode}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KILNWARD_BIN=${CMAKE_BINARY_DIR}/bin"
               # Backups of the sends the tests make stay in the build tree, not in the
               # user's data folder (a second single-valued property, for the same reason).
               ENVIRONMENT_MODIFICATION "XDG_DATA_HOME=set:${CMAKE_BINARY_DIR}/test-data-home"
               TIMEOUT ${ARG_TIMEOUT})
  if(TARGET kilnward_data)
    add_dependencies(${name} kilnward_data)
  endif()
endfunction()
