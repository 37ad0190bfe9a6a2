# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made from this build's install rules by `cpack -G DEB` in the build folder:
# numerette_<version>_amd64.deb. The shared libraries' packages come from dpkg-shlibdeps; the
# soundfont is loaded at run time, so it is named by hand.
set(CPACK_PACKAGE_NAME numerette)
set(CPACK_PACKAGE_VENDOR "The Numerette developers")
set(CPACK_PACKAGE_CONTACT "The Numerette developers <support@numerette.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "adding machine with a paper tape and exact decimal arithmetic")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Numerette is a desktop adding-machine calculator. Every figure entered is\n"
    "printed on a paper tape beside the keypad, with subtotals and totals, so a\n"
    "column of numbers can be checked, corrected and saved. Arithmetic is exact\n"
    "decimal arithmetic with up to 28 significant digits. Tools compute interest\n"
    "and installments, dates, the rule of three and ideal weight.\n"
    "\n"
    "numerette-tape, the same adding machine without a window, serves scripts.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_amd64")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# FluidSynth, libxlsxwriter and libcups are loaded when first used, not linked: the library
# scan does not see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, libqt6sql6-sqlite, libfluidsynth3, libxlsxwriter4, libcups2")
# Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# GNOME as installed has no notification area for the icon; this extension gives it one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
