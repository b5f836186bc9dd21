# Installation in the standard places, and a Debian package of it.
install(TARGETS pianoamm pianoamm-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command line's helpers, which it alone runs.
install(TARGETS pianoamm-pdf pianoamm-stampa RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/pianoamm)
install(FILES assets/pianoamm.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(lato 16 32 48 64 128 256)
    install(FILES assets/icone/pianoamm-${lato}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps
            RENAME pianoamm.png)
    install(FILES assets/icone/application-x-pianoamm-${lato}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/mimetypes
            RENAME application-x-pianoamm.png)
endforeach()
# The loan files' type, which shared-mime-info's own trigger adds to the
# database: the package needs no script of its own for it.
install(FILES assets/pianoamm.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The manual pages, the changelog, the copyright and the software centre's
# entry. Pages and changelog go compressed, as Debian keeps them.
set(compressi)
foreach(sorgente packaging/man/pianoamm.1 packaging/man/pianoamm-cli.1 packaging/changelog)
    cmake_path(GET sorgente FILENAME nome)
    set(uscita ${CMAKE_BINARY_DIR}/compressi/${nome}.gz)
    add_custom_command(OUTPUT ${uscita}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressi
                       COMMAND sh -c "gzip -9nc \"$1\" >\"$2\"" gzip ${PROJECT_SOURCE_DIR}/${sorgente} ${uscita}
                       DEPENDS ${sorgente} VERBATIM)
    list(APPEND compressi ${uscita})
endforeach()
add_custom_target(pianoamm-compressi ALL DEPENDS ${compressi})
install(FILES ${CMAKE_BINARY_DIR}/compressi/pianoamm.1.gz ${CMAKE_BINARY_DIR}/compressi/pianoamm-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressi/changelog.gz packaging/copyright docs/esempio.pianoamm
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES packaging/it.pianoamm.PianoAmm.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pianoamm)
set(CPACK_PACKAGE_VENDOR "pianoamm")
set(CPACK_PACKAGE_CONTACT "pianoamm <pianoamm@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcolo del piano di ammortamento a rata fissa (metodo francese)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calcola il piano di ammortamento a rata fissa (metodo francese): importo,\nnumero e cadenza delle rate, tasso annuo e data di erogazione danno il\nprospetto con quota interessi, quota capitale e debito residuo di ogni\nrata, da stampare o esportare in PDF e CSV. Comprende pianoamm-cli per gli\nscript.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link come from dpkg-shlibdeps; the platform
# plugin and the font they need at run time are named here, and Qt's Italian
# texts are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
