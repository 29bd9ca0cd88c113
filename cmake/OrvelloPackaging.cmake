# A Debian package of the installed programs: cpack --config <build>/CPackConfig.cmake
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvello)
set(CPACK_PACKAGE_VENDOR "Orvello")
set(CPACK_PACKAGE_CONTACT "Orvello maintainers <orvello@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Publishes a recorded lecture as a small web site")
set(CPACK_PACKAGE_DESCRIPTION "Orvello turns a lecture's recording, its timing file and a \
style folder into a small web site: a page group per segment, player links, an index of slides \
and the scripts that copy the segment files and build the events into the recording. It comes as \
a desktop program (orvello) and a command-line program (orvello-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
