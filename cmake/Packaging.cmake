# The release: WispaneCalendar-<version>-win64.zip, made by the "package" target
# of the windows preset. It holds one folder, WispaneCalendar, with the program,
# its command-line twin for iCalendar files, Holiday.ini and the two read-me files: the program keeps its settings beside
# itself, so it must live in a folder of its own, and unpacking a later release
# over that folder keeps the settings file, which the zip does not carry.
# Only the install rules of the default component go in (the holiday tool is
# for the makers of rule files).
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME WispaneCalendar)
set(WISPANE_RELEASE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${WISPANE_RELEASE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /WispaneCalendar)
set(CPACK_COMPONENTS_ALL Unspecified)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
include(CPack)
