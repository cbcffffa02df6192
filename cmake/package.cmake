# The Debian package: cpack -G DEB in the build folder makes
# kor-dfcf_<version>_<arch>.deb from the install rules. Depends is computed by
# dpkg-shlibdeps from the libraries the program really links, plus what Qt's
# packages only recommend but the program cannot do without: the window
# system plugins and Qt's French texts.
set(doc_dir ${CMAKE_BINARY_DIR}/packaging)
foreach(file changelog KOR_DFCF.1)
  add_custom_command(OUTPUT ${doc_dir}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${file} ${doc_dir}/${file}
    COMMAND gzip -9nf ${doc_dir}/${file}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file})
endforeach()
add_custom_target(dfcf_package_docs ALL DEPENDS ${doc_dir}/changelog.gz ${doc_dir}/KOR_DFCF.1.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${doc_dir}/changelog.gz DESTINATION share/doc/kor-dfcf)
install(FILES ${doc_dir}/KOR_DFCF.1.gz DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kor-dfcf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KOR_DFCF")
set(CPACK_PACKAGE_CONTACT "KOR_DFCF <kor-dfcf@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://dfcf.example.org")
# Summary line, then an English and a French paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "logbook for the DFCF castles of France award
A radio amateur's logbook for chasing the DFCF award (contacts with
castles of France): checked QSO entry, scores and award checks for HF,
VHF and UHF, department map, award lists, QSL printing, ADIF export
and statistics charts.
.
Carnet de trafic radioamateur pour le diplôme DFCF (châteaux de France) :
saisie contrôlée des QSO, scores et diplômes HF, VHF et UHF, carte des
départements, listes pour le diplôme, impression des QSL, export ADIF et
graphiques de statistiques.")
include(CPack)
