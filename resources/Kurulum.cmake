# Installing the game as a desktop program, and the Debian package CPack builds from that.
include(GNUInstallDirs)

# The game looks for its sample photos in the folder of its real executable, so the two live
# together in a private folder, and the command in bin/ is a relative link into it: valid under
# any prefix, DESTDIR and inside the package alike.
set(MOZETA_PROGRAM_KLASORU lib/mozeta-tr)
set(mozeta_kurulum_kaynagi ${CMAKE_CURRENT_LIST_DIR})

# The game links only system libraries: no run path (Qt's project set-up would add $ORIGIN).
set_target_properties(Mozeta-Tr PROPERTIES INSTALL_RPATH "")
install(TARGETS Mozeta-Tr RUNTIME DESTINATION ${MOZETA_PROGRAM_KLASORU})
# The sound module (made in game/) goes beside the executable, where the game looks for it.
install(FILES $<TARGET_FILE:mozeta-ses> DESTINATION ${MOZETA_PROGRAM_KLASORU})
install(FILES
    ${mozeta_kurulum_kaynagi}/samples/Sample-1.jpg
    ${mozeta_kurulum_kaynagi}/samples/Sample-2.jpg
    DESTINATION ${MOZETA_PROGRAM_KLASORU})

cmake_path(ABSOLUTE_PATH MOZETA_PROGRAM_KLASORU BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
    OUTPUT_VARIABLE mozeta_program_yolu)
file(RELATIVE_PATH mozeta_bag_hedefi ${CMAKE_INSTALL_FULL_BINDIR} ${mozeta_program_yolu}/Mozeta-Tr)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bag)
file(CREATE_LINK ${mozeta_bag_hedefi} ${CMAKE_CURRENT_BINARY_DIR}/bag/Mozeta-Tr SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/bag/Mozeta-Tr DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry and the software-centre entry share the component id.
install(FILES ${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(boyut 16 32 48)
    install(FILES ${mozeta_kurulum_kaynagi}/icons/mozeta-${boyut}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${boyut}x${boyut}/apps
        RENAME mozeta-tr.png)
endforeach()
install(FILES ${mozeta_kurulum_kaynagi}/icons/mozeta.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME mozeta-tr.svg)

# The Debian package. Its library dependencies come from dpkg-shlibdeps (package dpkg-dev); the
# icon cache and the menu database are refreshed by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mozeta-tr)
set(CPACK_PACKAGE_VENDOR "Nuv Vorudov")
set(CPACK_PACKAGE_CONTACT "Nuv Vorudov <iletisim@nuvvorudov.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo sliding puzzle with a Turkish interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://nuvvorudov.example/mozeta/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Turkish button texts and the Arial-metric font the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_PACKAGE_DESCRIPTION "Mozeta cuts a photo into a grid of 3 x 3, 4 x 4 or 5 x 5 pieces, shuffles
them and leaves one place empty; slide the pieces back until the photo is
whole again. Two sample photos come with the game, or pick your own JPEG or
BMP. A clock and a move counter keep score.")
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
