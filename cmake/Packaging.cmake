# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/package makes a Debian package of the installed tree with CPack. The package relies on
# Debian's Qt 6, QCoro and IPA fonts; it has no maintainer scripts.
set(CPACK_PACKAGE_NAME p10sign)
set(CPACK_PACKAGE_VENDOR "p10sign maintainers")
set(CPACK_PACKAGE_CONTACT "p10sign maintainers <maintainers@users.noreply.c-seed-1b10be6d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "P10 LED sign editor: compose messages and send them to the sign")
set(CPACK_PACKAGE_DESCRIPTION "Composes up to sixteen messages for one-colour LED signs built from \
P10 modules, uploads them to the sign's control card over a serial line and sets the card's clock. \
p10signctl does the same from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# qt6-qpa-plugins holds the platform plugins without which the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6serialport6 (>= 6.4), \
qt6-qpa-plugins, libqcoro6core0 (>= 0.8), fonts-ipafont-gothic, fonts-ipafont-mincho")
# Qt's own buttons and file dialogs in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
