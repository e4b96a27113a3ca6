# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the game as a desktop program, and the Debian package CPack builds from that.
include(GNUInstallDirs)

# The game looks for its sample photos and its sound and HEIF modules in the folder of its real
# executable, so they live together in a private folder, and the command is a relative link into
# it: valid under any prefix, DESTDIR and inside the package alike.
set(MOZETA_PROGRAM_KLASORU lib/mozeta-tr)
set(mozeta_kurulum_kaynagi ${CMAKE_CURRENT_LIST_DIR})

# The game links only system libraries: no run path (Qt's project set-up would add $ORIGIN).
set_target_properties(Mozeta-Tr mozeta-ses mozeta-heif PROPERTIES INSTALL_RPATH "")
install(TARGETS Mozeta-Tr RUNTIME DESTINATION ${MOZETA_PROGRAM_KLASORU})
install(TARGETS mozeta-ses mozeta-heif LIBRARY DESTINATION ${MOZETA_PROGRAM_KLASORU})
install(FILES
    ${mozeta_kurulum_kaynagi}/samples/Sample-1.jpg
    ${mozeta_kurulum_kaynagi}/samples/Sample-2.jpg
    DESTINATION ${MOZETA_PROGRAM_KLASORU})

# Debian and the FHS keep the commands of games in games/ (/usr/games and /usr/local/games are
# on Debian's default PATH); under a prefix of one's own (~/.local, /opt/...) the command goes to
# bin/, where a PATH looks. Both are one level below the prefix, so one link serves either.
file(RELATIVE_PATH mozeta_bag_hedefi /onek/games /onek/${MOZETA_PROGRAM_KLASORU}/Mozeta-Tr)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bag)
file(CREATE_LINK ${mozeta_bag_hedefi} ${CMAKE_CURRENT_BINARY_DIR}/bag/Mozeta-Tr SYMBOLIC)
install(CODE "
    set(mozeta_komut_klasoru bin)
    if(CMAKE_INSTALL_PREFIX MATCHES \"/usr(/local)?/*$\")
        set(mozeta_komut_klasoru games)
    endif()
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${mozeta_komut_klasoru}\" TYPE FILE
        FILES \"${CMAKE_CURRENT_BINARY_DIR}/bag/Mozeta-Tr\")")

# The manual page and, where Debian looks for them, the licence and the change log. The
# compressed copies carry no name or time stamp (gzip -n), so every build makes the same bytes.
set(MOZETA_BELGE_KLASORU ${CMAKE_INSTALL_DATADIR}/doc/mozeta-tr)
file(STRINGS ${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.metainfo.xml
    mozeta_surum_satiri REGEX "<release version=\"${PROJECT_VERSION}\"")
if(NOT mozeta_surum_satiri MATCHES "date=\"([0-9-]+)\"")
    message(FATAL_ERROR "The software-centre entry lists no release ${PROJECT_VERSION} with a date")
endif()
set(MOZETA_SURUM_TARIHI ${CMAKE_MATCH_1})
configure_file(${mozeta_kurulum_kaynagi}/paket/Mozeta-Tr.6.in Mozeta-Tr.6 @ONLY)
find_program(MOZETA_GZIP gzip REQUIRED)
set(mozeta_sikistirilanlar)
foreach(belge ${CMAKE_CURRENT_BINARY_DIR}/Mozeta-Tr.6 ${mozeta_kurulum_kaynagi}/paket/changelog)
    get_filename_component(ad ${belge} NAME)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${ad}.gz
        COMMAND ${MOZETA_GZIP} -9nc ${belge} > ${CMAKE_CURRENT_BINARY_DIR}/${ad}.gz
        DEPENDS ${belge}
        VERBATIM)
    list(APPEND mozeta_sikistirilanlar ${CMAKE_CURRENT_BINARY_DIR}/${ad}.gz)
endforeach()
add_custom_target(mozeta_belgeler ALL DEPENDS ${mozeta_sikistirilanlar})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Mozeta-Tr.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${mozeta_kurulum_kaynagi}/paket/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${MOZETA_BELGE_KLASORU})

# The menu entry and the software-centre entry share the component id.
install(FILES ${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Desktops start the menu entry over the session bus (DBusActivatable): the bus starts the program
# named here, under the prefix the install goes to, and hands it the launcher's request.
install(CODE "
    get_filename_component(MOZETA_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${MOZETA_PROGRAM_KLASORU}/Mozeta-Tr\"
        ABSOLUTE)
    configure_file(\"${mozeta_kurulum_kaynagi}/masaustu/example.nuvvorudov.Mozeta.service.in\"
        \"${CMAKE_CURRENT_BINARY_DIR}/example.nuvvorudov.Mozeta.service\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\"
        TYPE FILE FILES \"${CMAKE_CURRENT_BINARY_DIR}/example.nuvvorudov.Mozeta.service\")")
foreach(boyut 16 32 48)
    install(FILES ${mozeta_kurulum_kaynagi}/icons/mozeta-${boyut}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${boyut}x${boyut}/apps
        RENAME mozeta-tr.png)
endforeach()
install(FILES ${mozeta_kurulum_kaynagi}/icons/mozeta.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME mozeta-tr.svg)

# "Open with" and the menu read caches of the folders they search. A package leaves them to the
# triggers of the packages that own the tools; an install of one's own (no DESTDIR) refreshes
# them for its prefix, where the tools are installed.
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        find_program(MOZETA_MASAUSTU_VERITABANI update-desktop-database)
        find_program(MOZETA_SIMGE_ONBELLEGI gtk-update-icon-cache)
        set(mozeta_paylasilan \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
        if(MOZETA_MASAUSTU_VERITABANI)
            message(STATUS \"Refreshing: \${mozeta_paylasilan}/applications/mimeinfo.cache\")
            execute_process(COMMAND \${MOZETA_MASAUSTU_VERITABANI} -q
                \"\${mozeta_paylasilan}/applications\")
        endif()
        if(MOZETA_SIMGE_ONBELLEGI)
            message(STATUS \"Refreshing: \${mozeta_paylasilan}/icons/hicolor/icon-theme.cache\")
            execute_process(COMMAND \${MOZETA_SIMGE_ONBELLEGI} -q -t -f
                \"\${mozeta_paylasilan}/icons/hicolor\")
        endif()
    endif()")

# The Debian package. The icon cache and the menu database are refreshed by the triggers of the
# packages that own them. Its library dependencies come from dpkg-shlibdeps (package dpkg-dev),
# asked by paket/Bagimliliklar.cmake: CPack's own scan would also make the package call ldconfig,
# because the sound module is a shared object under /usr/lib, though in a folder the loader
# never searches.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mozeta-tr)
set(CPACK_PACKAGE_VENDOR "Nuv Vorudov")
set(CPACK_PACKAGE_CONTACT "Nuv Vorudov <iletisim@nuvvorudov.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo sliding puzzle with a Turkish interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's files are staged under DESTDIR with the prefix they will have: the bus service
# names /usr/lib/..., and the caches of the staging folder are left alone.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://nuvvorudov.example/mozeta/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PROJECT_CONFIG_FILE ${mozeta_kurulum_kaynagi}/paket/Bagimliliklar.cmake)
set(CPACK_MOZETA_IKILILER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Mozeta-Tr
    ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/mozeta-ses${CMAKE_SHARED_MODULE_SUFFIX}
    ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/mozeta-heif${CMAKE_SHARED_MODULE_SUFFIX})
set(CPACK_MOZETA_QT_SURUMU ${Qt6Core_VERSION})
# Qt's own Turkish button texts and the Arial-metric font the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_PACKAGE_DESCRIPTION "Mozeta cuts a photo into a grid of 3 x 3, 4 x 4 or 5 x 5 pieces, shuffles
them and leaves one place empty; slide the pieces back until the photo is
whole again. Two sample photos come with the game, or pick your own JPEG,
PNG, WebP, HEIC, AVIF or BMP. A clock and a move counter keep score.")
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)
