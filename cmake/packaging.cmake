# Installing and packaging. The programs look for their settings and data
# beside themselves and write settings and results files, so everything
# lives in one program directory, /opt/technical-drawing-tutor: the three
# executables, the settings file, the texts, the guidance course and the
# object files. The pupils' results files live in
# /var/lib/technical-drawing-tutor/RESULTS, which the installed settings
# name; the package gives it to the group "drawing-tutor" (setgid), and
# the launchers in /usr/bin keep new files group-writable. The settings,
# texts and guidance course are the administrator's files (dpkg conffiles).
#
#   cmake --install build --prefix /          everything into the system
#   bash scripts/package.sh                   the Debian package
include_guard()

set(WINTOLA_PACKAGE_NAME technical-drawing-tutor)
set(WINTOLA_INSTALL_DIR opt/${WINTOLA_PACKAGE_NAME})
set(WINTOLA_RESULTS_DIR var/lib/${WINTOLA_PACKAGE_NAME}/RESULTS)
set(WINTOLA_GROUP drawing-tutor)
set(packaging_sources ${PROJECT_SOURCE_DIR}/cmake/packaging)
set(packaging_output ${PROJECT_BINARY_DIR}/packaging)

# The layout above is absolute; a prefix of one's own still works (a test root).
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Install prefix" FORCE)
endif()

install(TARGETS students_manager tutor_program students RUNTIME DESTINATION ${WINTOLA_INSTALL_DIR})

# The shipped settings with the student files directory where the package keeps it.
file(READ ${PROJECT_SOURCE_DIR}/data/WinTola.ini settings_text)
string(REGEX REPLACE "\nStudent Files Directory=[^\n]*" "\nStudent Files Directory=/${WINTOLA_RESULTS_DIR}"
       settings_text "${settings_text}")
file(WRITE ${packaging_output}/WinTola.ini "${settings_text}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/WinTola.ini)
install(FILES ${packaging_output}/WinTola.ini ${PROJECT_SOURCE_DIR}/data/WINTOLA.TXT ${PROJECT_SOURCE_DIR}/data/GUID1.TXT
        DESTINATION ${WINTOLA_INSTALL_DIR})
file(GLOB object_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/objects/*.txt)
foreach(source ${object_sources})
  get_filename_component(stem ${source} NAME_WE)
  string(TOUPPER ${stem} stem)
  install(FILES ${WINTOLA_BIN_DIR}/${stem}.OBJ DESTINATION ${WINTOLA_INSTALL_DIR})
endforeach()
install(DIRECTORY DESTINATION ${WINTOLA_RESULTS_DIR})

# Launchers on the search path: students, students-manager, drawing-tutor.
foreach(launcher "students:students" "students-manager:students_manager" "drawing-tutor:tutor")
  string(REPLACE ":" ";" pair ${launcher})
  list(GET pair 0 command)
  list(GET pair 1 program)
  set(install_dir ${WINTOLA_INSTALL_DIR})
  configure_file(${packaging_sources}/launcher.sh.in ${packaging_output}/${command} @ONLY)
  install(PROGRAMS ${packaging_output}/${command} DESTINATION usr/bin)
endforeach()

install(FILES ${packaging_sources}/students-manager.desktop ${packaging_sources}/technical-drawing-tutor.desktop
        DESTINATION usr/share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/technical-drawing-tutor.svg
              ${PROJECT_SOURCE_DIR}/resources/icons/technical-drawing-tutor-students-manager.svg
        DESTINATION usr/share/icons/hicolor/scalable/apps)

# The Debian package.
set(group ${WINTOLA_GROUP})
set(results_dir ${WINTOLA_RESULTS_DIR})
configure_file(${packaging_sources}/postinst.in ${packaging_output}/postinst @ONLY)
configure_file(${packaging_sources}/postrm.in ${packaging_output}/postrm @ONLY)
file(WRITE ${packaging_output}/conffiles
     "/${WINTOLA_INSTALL_DIR}/WinTola.ini\n/${WINTOLA_INSTALL_DIR}/WINTOLA.TXT\n/${WINTOLA_INSTALL_DIR}/GUID1.TXT\n")

set(CPACK_PACKAGE_NAME ${WINTOLA_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Technical drawing tutor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for technical drawing, with its students manager")
set(CPACK_PACKAGE_DESCRIPTION "Pupils learn to read and construct projections of solid objects, led by their \
teacher's guidance course. The students manager and the students tool look after the pupils' results files.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Technical drawing tutor team <root@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adduser, fonts-dejavu-core")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${packaging_output}/postinst ${packaging_output}/postrm ${packaging_output}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_GENERATOR DEB)
include(CPack)
