# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it builds the Debian package: the package's library dependencies, as
# dpkg-shlibdeps (package dpkg-dev) finds them in the game and its sound and HEIF modules (libheif
# comes from the latter); Qt's image-format plugins, which read WebP photos (Qt loads them at run
# time, so no library names them); and the Qt release it was built against: it uses Qt's private
# platform interface, which only that release keeps (Debian's libqt6core6 provides qt6-base-abi
# for it).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(mozeta_calisma "${CPACK_PACKAGE_DIRECTORY}/_mozeta_shlibdeps")
# dpkg-shlibdeps insists on reading a control file but needs nothing from it.
file(MAKE_DIRECTORY "${mozeta_calisma}/debian")
file(TOUCH "${mozeta_calisma}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_MOZETA_IKILILER}
    WORKING_DIRECTORY "${mozeta_calisma}"
    RESULT_VARIABLE mozeta_durum OUTPUT_VARIABLE mozeta_cikti ERROR_VARIABLE mozeta_hata)
file(REMOVE_RECURSE "${mozeta_calisma}")
if(NOT mozeta_durum EQUAL 0 OR NOT mozeta_cikti MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps (package dpkg-dev) found no dependencies:\n${mozeta_hata}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${CMAKE_MATCH_1}, qt6-image-formats-plugins, qt6-base-abi (= ${CPACK_MOZETA_QT_SURUMU})")
