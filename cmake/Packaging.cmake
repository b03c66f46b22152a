# The Debian package: `cpack -G DEB` in the build folder makes kazemaru_<version>-1_<arch>.deb with
# everything the install puts under /usr. Run-time dependencies are computed from the binaries;
# the font, Qt's Japanese translation, the SQLite driver and the platform plugins are loaded at
# run time, so they are named here.

# Debian wants the package's changelog and manual page compressed with the highest level and no time stamp.
set(deb_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${deb_changelog}
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${deb_changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
                   VERBATIM)
set(man_page ${CMAKE_BINARY_DIR}/kazemaru.1.gz)
add_custom_command(OUTPUT ${man_page}
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/kazemaru.1 > ${man_page}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/kazemaru.1
                   VERBATIM)
add_custom_target(kazemaru_changelog ALL DEPENDS ${deb_changelog} ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${deb_changelog} ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kazemaru)
# The class server's schema, roles and row-level security, for a school's administrator to run
# with psql (see the README's classroom section).
file(GLOB server_sql CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/server/*.sql)
install(FILES ${server_sql} DESTINATION ${CMAKE_INSTALL_DATADIR}/kazemaru/server)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kazemaru)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kazemaru developers")
set(CPACK_PACKAGE_CONTACT "The Kazemaru developers <developers@kazemaru.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic tutor for fourth-graders")
set(CPACK_PACKAGE_DESCRIPTION
    "Kazemaru is an arithmetic tutor for children in the fourth year of a Japanese
elementary school: large numbers, division, decimals, rounding, area, the rules
of calculation and fractions. Children study worked examples step by step,
answer random problems digit by digit with sounds and a mark, and run timed
drills whose results are kept on the computer. All text is in Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-motoya-l-maruberi, fonts-comfortaa, qt6-translations-l10n, libqt6sql6-sqlite, qt6-qpa-plugins")
# Qt's PostgreSQL driver is needed only where a school uses a class server; apt installs
# recommended packages by default, and without it the program says what is missing and stays local.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
