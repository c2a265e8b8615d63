# Install rules: the program, Unspacer and every delivered folder go
# together into one application folder (the program finds its pictures and
# settings files beside its executable), with launchers on the PATH, a
# desktop entry, icons in the hicolor theme and the AppStream metainfo.
#
#   <prefix>/lib/tarnwell/            tarnwell, unspacer, logo.gif, fonts.conf,
#                                     zqLink/, Border/, zqOptions/, pics/
#   <prefix>/bin/tarnwell, unspacer   symbolic links into the folder above
#   <prefix>/share/applications/      io.github.tarnwell.Tarnwell.desktop
#   <prefix>/share/icons/hicolor/     tarnwell.png, 16 to 256 pixels
#   <prefix>/share/metainfo/          io.github.tarnwell.Tarnwell.metainfo.xml

#
# On Windows the application folder is <prefix>/bin, and Qt's deployment
# script (windeployqt) puts the Qt libraries and plug-ins beside the
# programs; there is no desktop entry, icon theme or metainfo there.

include(GNUInstallDirs)

set(TARNWELL_APP_ID "io.github.tarnwell.Tarnwell")
if(WIN32)
    set(_default_appdir ${CMAKE_INSTALL_BINDIR})
else()
    set(_default_appdir lib/tarnwell)
endif()
set(TARNWELL_INSTALL_APPDIR "${_default_appdir}" CACHE STRING
    "Application folder under the prefix: the programs with their pictures and settings files")
set(TARNWELL_SCREENSHOT_BASE_URL "https://${TARNWELL_HOME_HOST}/docs/" CACHE STRING
    "Web folder of the README's pictures, for the screenshots of the AppStream metainfo")
set(TARNWELL_RELEASE_DATE "2026-12-08" CACHE STRING "Date of this release, for the metainfo")

# ---- the application folder ------------------------------------------------

install(TARGETS tarnwell unspacer RUNTIME DESTINATION ${TARNWELL_INSTALL_APPDIR})
# Everything else in the build's bin/ is delivered with them: the pictures
# and settings files the tarnwell_pictures target draws (logo.gif, zqLink/,
# Border/, zqOptions/, pics/) and the font set (fonts.conf).
install(DIRECTORY ${TARNWELL_BIN_DIR}/
    DESTINATION ${TARNWELL_INSTALL_APPDIR}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE
    PATTERN "tarnwell${CMAKE_EXECUTABLE_SUFFIX}" EXCLUDE
    PATTERN "unspacer${CMAKE_EXECUTABLE_SUFFIX}" EXCLUDE)

if(WIN32)
    foreach(program tarnwell unspacer)
        qt_generate_deploy_app_script(TARGET ${program} FILENAME_VARIABLE _deploy_script
            NO_UNSUPPORTED_PLATFORM_ERROR)
        install(SCRIPT ${_deploy_script})
    endforeach()
    return()
endif()

# ---- launchers ---------------------------------------------------------------
# Relative symbolic links, so that a staged install (DESTDIR, the Debian
# package) points at its own copy. The program resolves the link to find its
# folder.
if(IS_ABSOLUTE "${TARNWELL_INSTALL_APPDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    message(FATAL_ERROR "TARNWELL_INSTALL_APPDIR and CMAKE_INSTALL_BINDIR must be relative to the prefix")
endif()
file(RELATIVE_PATH _to_appdir /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TARNWELL_INSTALL_APPDIR})
set(_launchers ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${_launchers})
foreach(program tarnwell unspacer)
    file(CREATE_LINK ${_to_appdir}/${program} ${_launchers}/${program} SYMBOLIC)
    install(FILES ${_launchers}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# ---- desktop entry, metainfo ---------------------------------------------------

configure_file(${PROJECT_SOURCE_DIR}/packaging/tarnwell.desktop.in
    ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tarnwell.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# ---- icons -----------------------------------------------------------------------
# The generator draws the program's icon as a hicolor theme folder
# (<theme>/<N>x<N>/apps/tarnwell.png, 16 to 256 pixels) at build time.
install(DIRECTORY ${TARNWELL_ICON_THEME_DIR}/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
    FILES_MATCHING PATTERN tarnwell.png)

# ---- checks --------------------------------------------------------------------

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI AND TARNWELL_BUILD_TESTS)
    add_test(NAME metainfo_valid
        COMMAND ${APPSTREAMCLI} validate --no-net
                ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.metainfo.xml)
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE AND TARNWELL_BUILD_TESTS)
    add_test(NAME desktop_entry_valid
        COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_BINARY_DIR}/packaging/${TARNWELL_APP_ID}.desktop)
endif()
if(TARNWELL_BUILD_TESTS AND NOT WIN32)
    add_test(NAME install_layout
        COMMAND ${PROJECT_SOURCE_DIR}/packaging/test-install.sh ${CMAKE_BINARY_DIR})
endif()
