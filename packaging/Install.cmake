# What `cmake --install` puts where, and the Debian package that `make package` builds.

set(SALDOVIA_ID sk.saldovia.Saldovia)

install(TARGETS saldovia RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/help/Pomocnik.hlp ${PREPARED_AGENDA} ${UKAZKA_AGENDA}
              ${UKAZKA_SKUSKA} ${UKAZKA_ZAVIERKA}
        DESTINATION ${SALDOVIA_INSTALL_DATADIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${SALDOVIA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${SALDOVIA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/app/icons/saldovia.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SALDOVIA_ID}.svg)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/saldovia)

# The manual page and the package's change log, compressed as Debian wants them (gzip -9n:
# no name or time stamp, so the files are the same from build to build).
set(SALDOVIA_GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
foreach(name saldovia.1 changelog)
    add_custom_command(
        OUTPUT ${SALDOVIA_GZ_DIR}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${SALDOVIA_GZ_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${name}
                ${SALDOVIA_GZ_DIR}/${name}
        COMMAND gzip -9nf ${SALDOVIA_GZ_DIR}/${name}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${name}
        VERBATIM)
endforeach()
add_custom_target(package_docs ALL
    DEPENDS ${SALDOVIA_GZ_DIR}/saldovia.1.gz ${SALDOVIA_GZ_DIR}/changelog.gz)
install(FILES ${SALDOVIA_GZ_DIR}/saldovia.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SALDOVIA_GZ_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/saldovia)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME saldovia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Saldovia")
set(CPACK_PACKAGE_CONTACT "Saldovia <saldovia@saldovia.sk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching double-entry bookkeeping in schools")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A student keeps the books of one fictitious company for one accounting\n"
    "year: the journal, documents with VAT, the general ledger, printouts, and\n"
    "exams scored against a teacher's sample. The user interface is in Slovak.\n"
    "Ships with a demo agenda of a small trading company and its exam file.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the program links (Qt 6, SQLCipher, the C++ runtime) are found by
# dpkg-shlibdeps; the rest is what Qt loads at run time and what the program expects: the
# X11 platform plugin, the SVG icon plugins, the Slovak texts of Qt's dialogs and the
# report font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libsqlcipher0, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
include(CPack)
