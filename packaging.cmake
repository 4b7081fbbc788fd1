# A Debian package of the installed kit: bash scripts/package.sh.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenloq)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "BRENLOQ developers <brenloq@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom quizzes drawn from a bank of questions")
set(CPACK_PACKAGE_DESCRIPTION
    "A quiz player for pupils, a question editor for teachers, a bank checker, a
converter to and from GIFT, Moodle XML and Aiken, and a component installer, sharing one folder of question banks, pictures, texts,
language files and pupils' reports. Each user gets a copy of the demo folder
in their documents on first start, or all machines share the folder named in
/etc/xdg/brenloq/brenloq.conf (folder=PATH).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries (found from the programs) bring the GIF, JPEG and BMP readers
# and the X11 platform; reports and folders open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
