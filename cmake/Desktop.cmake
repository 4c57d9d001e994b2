# Desktop integration: the About window's links, the program icon files, the
# install rules (cmake --install) and the Debian package (cpack).

set(OSTRANE_HOMEPAGE_URL "https://ostrane.example.org/" CACHE STRING
    "The web site the About window links to")
set(OSTRANE_SUPPORT_EMAIL "support@ostrane.example.org" CACHE STRING
    "The support address of the About window's mail link")

include(GNUInstallDirs)

install(TARGETS ostrane-list RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET ostrane_ui)
  target_compile_definitions(ostrane_ui PRIVATE
    OSTRANE_HOMEPAGE_URL="${OSTRANE_HOMEPAGE_URL}"
    OSTRANE_SUPPORT_EMAIL="${OSTRANE_SUPPORT_EMAIL}")

  # The icon files are drawn by the same code as the window icon.
  add_executable(ostrane-make-icons ${CMAKE_CURRENT_LIST_DIR}/../resources/MakeIcons.cpp)
  target_link_libraries(ostrane-make-icons PRIVATE ostrane_ui)
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

  if(TARGET ostrane)
    install(TARGETS ostrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../resources/ostrane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${OSTRANE_HOMEPAGE_URL})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the window system plugins Qt loads
# at run time are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET ostrane)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
