# The installable packages: cpack --config <build>/CPackConfig.cmake
# On Linux a Debian package of the installed programs; on Windows (the windows preset) an
# installer, Orvello-VERSION-win64.exe, made with NSIS from cmake/NSIS.template.in.
set(CPACK_PACKAGE_NAME orvello)
set(CPACK_PACKAGE_VENDOR "Orvello")
set(CPACK_PACKAGE_CONTACT "Orvello maintainers <orvello@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Publishes a recorded lecture as a small web site")
set(CPACK_PACKAGE_DESCRIPTION "Orvello turns a lecture's recording, its timing file and a \
style folder into a small web site: a page group per segment, player links, an index of slides \
and the scripts that copy the segment files and build the events into the recording. It comes as \
a desktop program (orvello) and a command-line program (orvello-cli).")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR NSIS)
  set(CPACK_PACKAGE_FILE_NAME "Orvello-${PROJECT_VERSION}-win64")
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orvello")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Orvello")
  set(CPACK_NSIS_PACKAGE_NAME "Orvello ${PROJECT_VERSION}")
  set(CPACK_NSIS_DISPLAY_NAME "Orvello")
  # The project's own template: per user, no administrator rights (see the template's head). The
  # desktop program adds its Start-menu entry through CPACK_NSIS_CREATE_ICONS_EXTRA and
  # CPACK_NSIS_DELETE_ICONS_EXTRA.
  list(PREPEND CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
  if(ORVELLO_BUILD_GUI)
    # The desktop program in the user's Start menu, started in the installation's folder (the
    # template sets it as the working directory just before), where Style\data.txt lies.
    set(CPACK_NSIS_CREATE_ICONS_EXTRA
        "CreateShortCut '$SMPROGRAMS\\Orvello.lnk' '$INSTDIR\\orvello.exe'")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\Orvello.lnk'")
  endif()
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
