# The system headers of cmake/precompiled_headers.h, compiled once for every
# kind of library: libraries compiled with the same definitions and options
# share one precompiled header, compiled by the first of them (a precompiled
# header is only valid with the flags it was made with). A library's flags are
# known only once every folder has linked it, so the sharing is settled at the
# end of the configuration.
include_guard(GLOBAL)

# A compiler cache (ccache) cannot keep what compiles with a precompiled
# header for another build folder, and keeps more than the header saves, so
# with one the headers are not precompiled (unless asked for).
if(CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED CMAKE_DISABLE_PRECOMPILE_HEADERS)
  set(CMAKE_DISABLE_PRECOMPILE_HEADERS ON)
endif()

function(wintola_precompiled_headers name)
  set_property(GLOBAL APPEND PROPERTY wintola_precompiled_libraries ${name})
endfunction()

# What decides a target's compile flags besides the project's own: its
# definitions and options and those its links hand on (link-only ones aside).
function(wintola_compile_flags_key target out)
  set(key "")
  set(pending ${target})
  set(seen "")
  while(pending)
    list(POP_FRONT pending item)
    if(NOT TARGET ${item} OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    set(properties INTERFACE_COMPILE_DEFINITIONS INTERFACE_COMPILE_OPTIONS INTERFACE_POSITION_INDEPENDENT_CODE
                   INTERFACE_LINK_LIBRARIES)
    if(item STREQUAL target)
      list(APPEND properties COMPILE_DEFINITIONS COMPILE_OPTIONS POSITION_INDEPENDENT_CODE LINK_LIBRARIES)
    endif()
    foreach(property ${properties})
      get_target_property(value ${item} ${property})
      if(NOT value)
        continue()
      endif()
      if(property MATCHES "LINK_LIBRARIES$")
        list(FILTER value EXCLUDE REGEX "^\\$<LINK_ONLY:")
        list(APPEND pending ${value})
      else()
        string(REGEX REPLACE "^INTERFACE_" "" property ${property})
        string(REPLACE ";" " " value "${value}")
        list(APPEND key "${property}=${value}")
      endif()
    endforeach()
  endwhile()
  list(SORT key)
  list(REMOVE_DUPLICATES key)
  string(MD5 key "${key}")
  set(${out} ${key} PARENT_SCOPE)
endfunction()

# One precompiled header per kind; a kind of fewer than four sources
# compiles without (the header would not win back its own compile).
function(wintola_share_precompiled_headers)
  get_property(libraries GLOBAL PROPERTY wintola_precompiled_libraries)
  set(kinds "")
  foreach(library ${libraries})
    wintola_compile_flags_key(${library} kind)
    list(APPEND kinds ${kind})
    list(APPEND libraries_${kind} ${library})
    get_target_property(sources ${library} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    if(NOT DEFINED sources_${kind})
      set(sources_${kind} 0)
    endif()
    math(EXPR sources_${kind} "${sources_${kind}} + ${count}")
  endforeach()
  list(REMOVE_DUPLICATES kinds)
  foreach(kind ${kinds})
    if(sources_${kind} LESS 4)
      continue()
    endif()
    list(POP_FRONT libraries_${kind} host)
    target_precompile_headers(${host} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/precompiled_headers.h)
    foreach(library ${libraries_${kind}})
      target_precompile_headers(${library} REUSE_FROM ${host})
    endforeach()
    message(VERBOSE "precompiled headers of ${host} shared with: ${libraries_${kind}}")
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL wintola_share_precompiled_headers)
