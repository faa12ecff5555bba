include(${CMAKE_CURRENT_LIST_DIR}/precompiled_headers.cmake)

# Warnings on per target, so third-party code keeps its own flags. The build
# the test command runs turns them into errors; a plain configure does not.
option(WINTOLA_WERROR "Treat the project's compiler warnings as errors" OFF)
function(wintola_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(WINTOLA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A library of this project: sources of the folder, headers beside them,
# included as "folder/name.h" from the project root.
function(wintola_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LINKS})
  wintola_warnings(${name})
  # The tests' own libraries are test code (wintola_test_code in tests/).
  set(tests_dir ${PROJECT_SOURCE_DIR}/tests)
  cmake_path(IS_PREFIX tests_dir ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE under_tests)
  if(under_tests AND COMMAND wintola_test_code)
    wintola_test_code(${name})
  else()
    wintola_precompiled_headers(${name})
  endif()
endfunction()

