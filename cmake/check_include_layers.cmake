# Run by ctest: every #include "folder/name.h" of a library or program must
# name a header of a library it may include (cmake/include_layers.cmake).
# cmake -DSOURCE_DIR=... -DMANIFEST=build/include_layers_manifest.cmake -P check_include_layers.cmake
cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})

# The headers of a library are those of its folder.
foreach(name ${layer_names})
  if(layer_type_${name} STREQUAL "STATIC_LIBRARY")
    set(library_of_${layer_folder_${name}} ${name})
  endif()
endforeach()

set(faults "")
foreach(name ${layer_names})
  set(files ${layer_sources_${name}})
  if(DEFINED library_of_${layer_folder_${name}} AND library_of_${layer_folder_${name}} STREQUAL name)
    file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer_folder_${name}}/*.h)
    list(APPEND files ${headers})
  endif()
  foreach(file ${files})
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
      get_filename_component(included_folder ${included} DIRECTORY)
      if(NOT DEFINED library_of_${included_folder})
        continue()
      endif()
      set(owner ${library_of_${included_folder}})
      if(NOT owner IN_LIST layer_allowed_${name})
        string(APPEND faults "\n${file}: #include \"${included}\": ${name} may not include ${owner}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "includes across the layers of cmake/include_layers.cmake:${faults}")
endif()
