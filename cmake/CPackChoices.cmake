# Read by cpack for each generator: the .deb holds the installed layout under
# /usr, the .tar.gz the portable folder alone.
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
    set(CPACK_COMPONENTS_ALL portable)
    set(CPACK_ARCHIVE_PORTABLE_FILE_NAME "tikloom-${CPACK_PACKAGE_VERSION}-portable")
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
