# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build folder: one Debian package of everything installed. Included from
# the top-level list after every install rule.
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR Kelvan)
set(CPACK_PACKAGE_CONTACT "Kelvan <tessaly@kelvan.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "limits and fits of holes and shafts after JIS B 0401")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tessaly shows the upper and lower limit deviations of a hole or a shaft for a nominal-size\n"
    "range and a tolerance class, as the tables of JIS B 0401 (ISO 286) give them, in a window\n"
    "with a Japanese interface. tessaly-fits, the fit workbench, gives the limits of size, the\n"
    "clearances and the type of fit of any hole and shaft class up to 3150 mm, with a picture of\n"
    "the tolerance zones and a finder of fits. tessaly-stack, the tolerance stack-up, adds up a\n"
    "chain of parts given by classes, general tolerances or catalogue limits: worst case,\n"
    "statistics, each part's share and a Monte Carlo check. tessaly-cli answers on the command\n"
    "line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tessaly_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries and the C++ runtime are found by dpkg-shlibdeps from what the programs link.
# The Japanese font is not linked, only asked for by name: without it the kana and kanji fall
# back to whatever font the system has, and the designed sizes no longer fit.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Qt's own texts (standard buttons, the file dialog) in Japanese beside the windows' own; the
# windows' English is built into the programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
