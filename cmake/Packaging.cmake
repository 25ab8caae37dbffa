# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/package makes a Debian package of the installed tree with CPack. It has no maintainer
# scripts.
set(CPACK_PACKAGE_NAME p10sign)
set(CPACK_PACKAGE_VENDOR "p10sign maintainers")
set(CPACK_PACKAGE_CONTACT "p10sign maintainers <maintainers@users.noreply.c-seed-1b10be6d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "P10 LED sign editor: compose messages and send them to the sign")
# One line each as Debian shows them, shorter than 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Composes up to sixteen messages for one-colour LED signs built from P10"
  "modules, from text or pictures, uploads them to the sign's control card over"
  "a 9600-baud serial line and sets the card's clock."
  ""
  "p10sign is the window, p10signctl does the same work from scripts, and"
  "p10signcard is a virtual card that receives an upload and plays it.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian strips, also of the compiler's notes that CMake's strip leaves.
if(UNIX AND NOT APPLE)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(program p10sign p10signctl p10signcard)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
          COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries come from what the programs link (dpkg-shlibdeps). By hand only what none links:
# the platform plugins without which the window cannot open, and the fonts that draw the text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho")
# Qt's own buttons and file dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
