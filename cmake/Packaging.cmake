# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh
# builds and checks it). Everything the install rules put under the prefix
# goes under /usr; the libraries the binaries need are found by
# dpkg-shlibdeps, the faces the windows are designed with are added by name.

set(CPACK_PACKAGE_NAME tarnwell)
set(CPACK_PACKAGE_VENDOR "Tarnwell")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarnwell maintainers <maintainers@${TARNWELL_HOME_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "decorated names, formatting tags and picture codes for forum posts")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://${TARNWELL_HOME_HOST}/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The look-alike faces of the windows' fonts, with the Arabic glyphs.
set(TARNWELL_FONT_PACKAGES
    fonts-noto-core fonts-hosny-amiri fonts-kacst fonts-liberation2 fonts-dejavu-core
    fonts-wine fonts-comic-neue)
list(JOIN TARNWELL_FONT_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Where the desktop offers no notification area the closed window cannot be
# brought back, so a tray host is worth suggesting on bare window managers.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "trayer | stalonetray")
# The long description under the summary line; CPack indents it and marks
# the empty line between the paragraphs as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnwell makes forum code for Arabic-language forums that accept BBCode: \
decorated nicknames, lines of symbols, text wrapped in formatting tags, and picture codes for \
decorative borders, smilies and download buttons. Its interface is Arabic and reads right to left.

The package also holds Unspacer, a tiny program that removes the blanks from the names of the \
files in the folder it is started in.")

include(CPack)
