# Installing and packaging. Two layouts from one build:
# - installed (the default component): programs in bin/, shipped themes and
#   language files read-only in share/tikloom/ (the programs find it from
#   their own folder, so any prefix works), desktop entries, icons, AppStream
#   metadata and manual pages where desktops look for them;
# - portable (asked for by name only): one folder with the programs, Themes/
#   and the language files, as an unpacked release.
include(GNUInstallDirs)

set(TIKLOOM_PROGRAMS tikloom tikstyle tikloom-theme)
set(TIKLOOM_SHARED_DIR ${CMAKE_INSTALL_DATADIR}/tikloom)
set(TIKLOOM_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)
set(TIKLOOM_ICON_SIZES 16 22 24 32 48 64 128 256)
file(GLOB TIKLOOM_LANGUAGE_FILES ${CMAKE_SOURCE_DIR}/data/lang/*.lng)

install(TARGETS ${TIKLOOM_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Themes DESTINATION ${TIKLOOM_SHARED_DIR})
install(FILES ${TIKLOOM_LANGUAGE_FILES} DESTINATION ${TIKLOOM_SHARED_DIR})
install(FILES ${TIKLOOM_DESKTOP_DIR}/tikloom.desktop ${TIKLOOM_DESKTOP_DIR}/tikstyle.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TIKLOOM_DESKTOP_DIR}/org.tikloom.Tikloom.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${TIKLOOM_ICON_SIZES})
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/tikloom-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tikloom.png)
endforeach()

# Manual pages and the changelog are installed compressed, as Debian wants;
# -n keeps the archive free of time stamps, so rebuilds are identical.
set(TIKLOOM_COMPRESSED)
foreach(source tikloom.1 tikstyle.1 tikloom-theme.1 changelog)
    set(out ${CMAKE_BINARY_DIR}/compressed/${source}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
        COMMAND gzip -9n -c ${TIKLOOM_DESKTOP_DIR}/${source} > ${out}
        DEPENDS ${TIKLOOM_DESKTOP_DIR}/${source} VERBATIM)
    list(APPEND TIKLOOM_COMPRESSED ${out})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${TIKLOOM_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/compressed/tikloom.1.gz ${CMAKE_BINARY_DIR}/compressed/tikstyle.1.gz
              ${CMAKE_BINARY_DIR}/compressed/tikloom-theme.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz ${TIKLOOM_DESKTOP_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tikloom)

install(TARGETS ${TIKLOOM_PROGRAMS} RUNTIME DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Themes DESTINATION . COMPONENT portable
        EXCLUDE_FROM_ALL)
install(FILES ${TIKLOOM_LANGUAGE_FILES} ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT portable
        EXCLUDE_FROM_ALL)

# cpack -G DEB: the installed layout under /usr, dependencies taken from the
# programs' shared libraries. cpack -G TGZ: the portable folder (see
# CPackChoices.cmake). scripts/package.sh runs both.
set(CPACK_PACKAGE_NAME tikloom)
set(CPACK_PACKAGE_VENDOR "Tikloom developers")
set(CPACK_PACKAGE_CONTACT "Tikloom developers <tikloom@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "themable analog desktop clock")
set(CPACK_PACKAGE_DESCRIPTION
    "Tikloom shows an analog clock in a small borderless window that stays on top.\n"
    "Clicks pass through it and it fades as the pointer comes near. Themes give\n"
    "its face, hands and caption. The customizer (tikstyle) edits them, and\n"
    "tikloom-theme shows and renders them without a display.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11 platform plugin at run time; no library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
if(TIKLOOM_HOME_PAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TIKLOOM_HOME_PAGE})
endif()
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/CPackChoices.cmake)
set(CPACK_GENERATOR DEB TGZ)
include(CPack)
