# Strict warnings for the project's own code; third-party headers (Qt, GoogleTest)
# come in as system includes through their imported targets.
function(kilnward_strict_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
endfunction()

# A static library of kilnward_core, one per source folder.
function(kilnward_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  kilnward_strict_warnings(${name})
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
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Where the binaries and the shipped data are, for tests started outside ctest too.
  target_compile_definitions(${name} PRIVATE KILNWARD_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KILNWARD_BIN=${CMAKE_BINARY_DIR}/bin"
               TIMEOUT ${ARG_TIMEOUT})
  if(TARGET kilnward_data)
    add_dependencies(${name} kilnward_data)
  endif()
endfunction()
