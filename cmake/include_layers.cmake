# The layers: every library and program of the project, lowest first, with
# the libraries it links directly. A file may include the headers of its own
# library and of every library below it in this table; the configuration
# fails when a CMake link differs from the table, and the test
# include_edges_follow_the_layers fails on an #include that crosses the layers
# any other way. A library's headers lie beside its sources in its folder.
include_guard(GLOBAL)

set(wintola_layers
  "platform_core:"
  "platform_gui: platform_core"
  "platform_widgets: platform_core platform_gui"
  "foundation: platform_core"
  "foundation_widgets: foundation"
  "resources:"
  "student_files: foundation"
  "class_overview: student_files"
  "geometry_model: foundation"
  "geometry_drawing: geometry_model platform_gui resources"
  "object_sources: geometry_model"
  "tutor_engine: foundation student_files geometry_model"
  "tutor_windows: foundation foundation_widgets tutor_engine geometry_drawing platform_widgets"
  "manager: foundation foundation_widgets student_files class_overview tutor_windows resources platform_widgets"
  "program_shell: manager tutor_windows geometry_drawing resources platform_widgets"
  "students_csv: foundation"
  "guidance_tools: tutor_engine"
  "students_cli: students_csv guidance_tools student_files class_overview tutor_engine platform_widgets"
  "students_manager: program_shell"
  "tutor_program: program_shell"
  "students: students_cli")

# The table's entries as lists: wintola_layer_names, wintola_layer_links_<name>.
macro(wintola_read_layers)
  set(wintola_layer_names "")
  foreach(entry ${wintola_layers})
    string(REGEX MATCH "^([a-z_]+):(.*)$" matched "${entry}")
    set(layer_name ${CMAKE_MATCH_1})
    separate_arguments(wintola_layer_links_${layer_name} UNIX_COMMAND "${CMAKE_MATCH_2}")
    list(APPEND wintola_layer_names ${layer_name})
  endforeach()
endmacro()

# Checks the table against the link graph and writes what the test reads:
# for each target its folder, its sources and the libraries it may include.
function(wintola_check_layers)
  wintola_read_layers()
  set(manifest "")
  set(problems "")
  foreach(name ${wintola_layer_names})
    if(NOT TARGET ${name})
      continue()
    endif()
    get_target_property(links ${name} LINK_LIBRARIES)
    set(project_links "")
    foreach(link ${links})
      if(link IN_LIST wintola_layer_names)
        list(APPEND project_links ${link})
      endif()
    endforeach()
    set(expected ${wintola_layer_links_${name}})
    list(SORT project_links)
    list(SORT expected)
    if(NOT "${project_links}" STREQUAL "${expected}")
      string(APPEND problems "\n  ${name} links \"${project_links}\", the layers say \"${expected}\"")
    endif()
    # Everything below: the links' links, and so on.
    set(allowed ${name})
    set(pending ${expected})
    while(pending)
      list(POP_FRONT pending item)
      if(NOT item IN_LIST allowed)
        list(APPEND allowed ${item})
        list(APPEND pending ${wintola_layer_links_${item}})
      endif()
    endwhile()
    get_target_property(type ${name} TYPE)
    get_target_property(folder ${name} SOURCE_DIR)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${folder})
    get_target_property(sources ${name} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.(cpp|h)$")
    list(TRANSFORM sources PREPEND "${folder}/")
    string(APPEND manifest "set(layer_type_${name} ${type})\nset(layer_folder_${name} \"${folder}\")\n"
                           "set(layer_sources_${name} \"${sources}\")\nset(layer_allowed_${name} \"${allowed}\")\n")
    list(APPEND present ${name})
  endforeach()
  if(problems)
    message(FATAL_ERROR "The links differ from the layers of cmake/include_layers.cmake:${problems}")
  endif()
  string(PREPEND manifest "set(layer_names \"${present}\")\n")
  file(WRITE ${PROJECT_BINARY_DIR}/include_layers_manifest.cmake "${manifest}")
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL wintola_check_layers)
add_test(NAME include_edges_follow_the_layers
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DMANIFEST=${PROJECT_BINARY_DIR}/include_layers_manifest.cmake
          -P ${PROJECT_SOURCE_DIR}/cmake/check_include_layers.cmake)
