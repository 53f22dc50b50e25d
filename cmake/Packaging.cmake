# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs.
# scripts/package.sh makes the build a distribution would (Release, Debian's hardening flags).

set(GX508_MAINTAINER "The GX508 developers <gx508@velmora-gaming.example>"
    CACHE STRING "Maintainer named in the package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gx508)
set(CPACK_PACKAGE_VENDOR "The GX508 developers")
set(CPACK_PACKAGE_CONTACT "${GX508_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velmora-gaming.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for the GX508 gaming mouse")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the install creates get the usual 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The desktop program gx508 sets the function of each of the twelve buttons\n"
    "of the GX508 wired USB gaming mouse, records keyboard macros and gun\n"
    "macros, and sets six DPI stages with their colours, the lighting, the\n"
    "report rate and the X and Y sensitivity, in up to six named profiles. Its\n"
    "notification-area icon shows the mouse's DPI stage changes.\n"
    "The command-line companion gx508ctl reads and applies the same settings.\n"
    "A udev rule lets the user at the local seat use the mouse without root.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
# The libraries the programs link come from dpkg-shlibdeps; these are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, fonts-liberation2, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/data/debian/postinst;${PROJECT_SOURCE_DIR}/data/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
