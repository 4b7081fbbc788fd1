# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of the installed kit: bash scripts/package.sh.
set(BRENLOQ_DEB_RELEASE 1)
set(BRENLOQ_DEB_VERSION ${PROJECT_VERSION}-${BRENLOQ_DEB_RELEASE})
# The project's own address: bug reports and mail about the package.
set(BRENLOQ_MAINTAINER "BRENLOQ maintainers <maintainers@brenloq.org>")

# What Debian asks of every package beside the programs: the copyright in
# its machine-readable form, the changelog and a manual page per command,
# all compressed the way lintian checks (gzip -9n: no name, no time).
set(brenloq_doc ${CMAKE_INSTALL_DATADIR}/doc/brenloq)
configure_file(data/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
set(brenloq_changelog ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz)
add_custom_command(OUTPUT ${brenloq_changelog}
  COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/debian/changelog.Debian
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian
  COMMENT "Compressing the Debian changelog" VERBATIM)
install(FILES data/debian/copyright ${brenloq_changelog} DESTINATION ${brenloq_doc})
install(FILES data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME brenloq)

# The manual pages are made from each program's own --help, so that they
# never tell another story than the program.
find_program(HELP2MAN help2man)
set(brenloq_outputs ${brenloq_changelog})
if(HELP2MAN)
  foreach(page "brenloq:BRENLOQ:quiz player for pupils, with questions drawn from a bank"
               "brenloq-editor:Editor:question editor for the quiz player's bank"
               "brenloq-results:results:class results of the quiz player's reports"
               "brenloq-check:brenloq-check:check a program folder's question bank"
               "brenloq-convert:brenloq-convert:convert questions to and from GIFT, Moodle XML and Aiken")
    string(REPLACE ":" ";" page "${page}")
    list(GET page 0 command)
    list(GET page 1 target)
    list(GET page 2 summary)
    set(out ${CMAKE_BINARY_DIR}/man/${command}.1.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/manpage.sh $<TARGET_FILE:${target}> ${command} "${summary}" ${PROJECT_VERSION} ${out}
      DEPENDS ${target} ${PROJECT_SOURCE_DIR}/scripts/manpage.sh
      COMMENT "Manual page of ${command}" VERBATIM)
    install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND brenloq_outputs ${out})
  endforeach()
else()
  message(WARNING "help2man not found: no manual pages (bash scripts/install-deps.sh installs it)")
endif()
add_custom_target(debian_docs ALL DEPENDS ${brenloq_outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenloq)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${BRENLOQ_DEB_RELEASE})
set(CPACK_PACKAGE_CONTACT "${BRENLOQ_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRENLOQ_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom quizzes drawn from a bank of questions")
set(CPACK_PACKAGE_DESCRIPTION
    "A quiz player for pupils, a question editor for teachers, the class
results, a bank checker and a converter to and from GIFT, Moodle XML and
Aiken, sharing one folder of question banks, pictures, texts, language files
and pupils' reports. Each user gets a copy of the demo folder in their
documents on first start, or all machines share the folder named in
/etc/xdg/brenloq/brenloq.conf (folder=PATH).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries (found from the programs) bring the GIF, JPEG and BMP readers
# and the X11 platform; libcanberra the sound output. Reports and folders
# open through xdg-open; Qt's own words (OK, Cancel) come translated.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
