# Desktop integration: the About window's links, the program icon files, the
# install rules (cmake --install) and the Debian package (cpack).
#
# Installed besides the programs: the manual pages, the desktop entry and the
# AppStream metadata (named by the application's id), the shared-mime-info
# package of the file types it opens, the icons, and the
# copyright file and the changelog of the Debian package.

set(OSTRANE_HOMEPAGE_URL "https://ostrane.example.org/" CACHE STRING
    "The web site the About window links to")
set(OSTRANE_SUPPORT_EMAIL "support@ostrane.example.org" CACHE STRING
    "The support address of the About window's mail link")

# The application's reverse-DNS id: the name of the desktop entry and of the
# AppStream metadata, and the desktop file name the window program reports.
set(OSTRANE_APP_ID org.example.ostrane)

include(GNUInstallDirs)
set(OSTRANE_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/../resources)
set(OSTRANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ostrane)

install(TARGETS ostrane-list RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Files compressed the way Debian wants them: gzip -9, without a name or a
# time stamp in the header, so that every build makes the same bytes.
function(ostrane_gzip source output)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}"
    VERBATIM)
endfunction()

# The manual pages name the project's version: both are configured into
# build/man (the manual tests read them there), the programs' are installed.
foreach(page ostrane-list.1 ostrane.1)
  configure_file(${OSTRANE_RESOURCES}/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
endforeach()
set(OSTRANE_MAN_PAGES ostrane-list.1)
if(TARGET ostrane)
  list(APPEND OSTRANE_MAN_PAGES ostrane.1)
endif()
set(compressed_docs "")
foreach(page IN LISTS OSTRANE_MAN_PAGES)
  ostrane_gzip(${CMAKE_BINARY_DIR}/man/${page} ${CMAKE_BINARY_DIR}/man/${page}.gz)
  list(APPEND compressed_docs ${CMAKE_BINARY_DIR}/man/${page}.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The Debian changelog of a native package (the version has no Debian
# revision) is installed as changelog.gz (Debian Policy 12.7).
configure_file(${OSTRANE_RESOURCES}/debian/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${OSTRANE_RESOURCES}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
ostrane_gzip(${CMAKE_BINARY_DIR}/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
list(APPEND compressed_docs ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_target(ostrane_docs ALL DEPENDS ${compressed_docs})
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${OSTRANE_DOC_DIR})

if(TARGET ostrane_ui)
  target_compile_definitions(ostrane_ui PRIVATE
    OSTRANE_HOMEPAGE_URL="${OSTRANE_HOMEPAGE_URL}"
    OSTRANE_SUPPORT_EMAIL="${OSTRANE_SUPPORT_EMAIL}")

  # The icon files are drawn by the same code as the window icon.
  add_executable(ostrane-make-icons ${CMAKE_CURRENT_LIST_DIR}/../resources/MakeIcons.cpp)
  target_link_libraries(ostrane-make-icons PRIVATE ostrane_ui ostrane_warnings)
  set(OSTRANE_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(OSTRANE_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
  set(icon_files "")
  foreach(size IN LISTS OSTRANE_ICON_SIZES)
    list(APPEND icon_files ${OSTRANE_ICON_DIR}/${size}x${size}/apps/ostrane.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_files}
    COMMAND ostrane-make-icons ${OSTRANE_ICON_DIR} ${OSTRANE_ICON_SIZES}
    DEPENDS ostrane-make-icons
    COMMENT "Drawing the program icon")
  add_custom_target(ostrane_icons ALL DEPENDS ${icon_files})

  # The screenshots of the README and the software centre, drawn by the
  # windows themselves offscreen: cmake --build build --target screenshots
  add_executable(ostrane-make-screenshots EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_LIST_DIR}/../resources/MakeScreenshots.cpp)
  target_link_libraries(ostrane-make-screenshots PRIVATE ostrane_ui ostrane_warnings)
  add_custom_target(screenshots
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:ostrane-make-screenshots> ${PROJECT_SOURCE_DIR}/docs/screenshots
    DEPENDS ostrane-make-screenshots
    COMMENT "Drawing the screenshots into docs/screenshots")

  if(TARGET ostrane)
    install(TARGETS ostrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    target_compile_definitions(ostrane PRIVATE OSTRANE_APP_ID="${OSTRANE_APP_ID}")
  endif()
  install(FILES ${OSTRANE_RESOURCES}/${OSTRANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The file types the desktop entry opens that shared-mime-info lacks (the
  # Debian package's shared-mime-info trigger takes them up).
  install(FILES ${OSTRANE_RESOURCES}/ostrane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ostrane.xml)
  configure_file(${OSTRANE_RESOURCES}/${OSTRANE_APP_ID}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/${OSTRANE_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/${OSTRANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${OSTRANE_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ostrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ostrane")
set(CPACK_PACKAGE_CONTACT "Ostrane maintainers <${OSTRANE_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hellenistic releasing time-lord periods")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "From a birth date, a birth time and a starting sign, Ostrane lists the\ngeneral periods and sub periods of Hellenistic releasing, and on request\ntheir level 3 and level 4 periods, under the Modern, Egyptian and Valens\nconventions.  Includes the command-line listing ostrane-list.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${OSTRANE_HOMEPAGE_URL})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the plugins Qt loads at run time
# (the window system's, the chart library's SQLite driver) are not linked, so
# they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
if(TARGET ostrane)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, qt6-qpa-plugins")
endif()
include(CPack)
