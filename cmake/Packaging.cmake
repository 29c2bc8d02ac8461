# The Debian package (`make package`): the program, its menu entry and icon, its manual,
# the README and the license. It has no maintainer scripts and ships nothing under /etc:
# upgrading, removing or purging it touches no config.ini and no data directory, and a
# purge removes only the files listed in the package.
set(VELMORA_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(VELMORA_SHARE ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_DOC ${CMAKE_INSTALL_DATADIR}/doc/velmora)

# A source build finds its manual beside the program, as a portable copy does.
configure_file(${VELMORA_PACKAGING}/manual-velmora.html ${PROJECT_BINARY_DIR}/src/manual-velmora.html COPYONLY)

# The icon theme's fixed sizes, drawn from the one SVG.
add_executable(velmora_render_icon ${VELMORA_PACKAGING}/render_icon.cpp)
target_link_libraries(velmora_render_icon PRIVATE Qt6::Gui)
set(icon_files)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/velmora.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:velmora_render_icon> ${VELMORA_PACKAGING}/velmora.svg
            ${size} ${png}
    DEPENDS velmora_render_icon ${VELMORA_PACKAGING}/velmora.svg
    COMMENT "Icon ${size}x${size}")
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND icon_files ${png})
endforeach()

# Debian wants the changelog and the manual page compressed without a time stamp, and the
# license in its machine-readable copyright format.
function(velmora_gzip source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${source}")
endfunction()
set(changelog_gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
set(manpage_gz ${PROJECT_BINARY_DIR}/packaging/velmora.1.gz)
velmora_gzip(${VELMORA_PACKAGING}/changelog ${changelog_gz})
velmora_gzip(${VELMORA_PACKAGING}/velmora.1 ${manpage_gz})
add_custom_target(velmora_package_files ALL DEPENDS ${icon_files} ${changelog_gz} ${manpage_gz})

file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
string(REGEX REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" license_text "${license_text}")
file(WRITE ${PROJECT_BINARY_DIR}/packaging/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: velmora\n\n"
     "Files: *\n"
     "Copyright: 2026 Os autores do Velmora\n"
     "License: Expat\n ${license_text}")

install(FILES ${VELMORA_PACKAGING}/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORA_PACKAGING}/velmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VELMORA_PACKAGING}/manual-velmora.html DESTINATION ${VELMORA_SHARE})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/packaging/copyright ${changelog_gz}
        DESTINATION ${VELMORA_DOC})
install(FILES ${manpage_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VELMORA_PACKAGING}/config.ini.exemplo DESTINATION ${VELMORA_DOC}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${VELMORA_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "management of a beauty salon")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora runs a beauty salon: clients, employees, the catalogue of products\nand services with its stock, appointments, the till and the daily cash\nregister, bills, bank accounts, employee advances, reports and backups.\nIts whole interface is in Brazilian Portuguese.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe Velmora <suporte@velmora.com.br>" CACHE STRING "Maintainer of the package")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time without linking it: Qt's own dialogs in Portuguese and
# the fonts its pictures and reports are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
