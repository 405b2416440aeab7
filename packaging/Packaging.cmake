# Installation into a prefix (cmake --install) and the Debian package built from it (cpack).
include(GNUInstallDirs)

set(ROLLKIN_APP_ID org.example.dicerollkin)
# A game, where Debian keeps games: the program in games/ beside bin/ (/usr/games in the
# package, on the PATH of every user but root), its manual page in section 6.
set(ROLLKIN_INSTALL_GAMESDIR games CACHE STRING "Where the program goes, under the prefix")
# The manual page, the changelog, the copyright file and the metainfo, made by Documents.cmake.
set(ROLLKIN_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/doc)

# Every library the program needs lives in the system's directories. Without this the install
# RUNPATH from qt_standard_project_setup ($ORIGIN:$ORIGIN/../lib) would also pad the build
# tree's RUNPATH with empty entries, and the loader reads an empty entry as the working directory.
set_target_properties(dicerollkin PROPERTIES INSTALL_RPATH "")
install(TARGETS dicerollkin RUNTIME DESTINATION ${ROLLKIN_INSTALL_GAMESDIR})
# Share's network module and the windows' module, private to the program. The program finds
# them from where it is itself, so that an installation under any prefix works, and at the
# configured place after that. In Debian's multiarch folder whatever the prefix: the package's
# /usr is chosen only when cpack runs, and a library right below /usr/lib would have cpack call
# ldconfig, which lintian refuses.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(ROLLKIN_MODULE_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/dicerollkin)
else()
    set(ROLLKIN_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/dicerollkin)
endif()
install(TARGETS dicerollkin-network dicerollkin-window LIBRARY DESTINATION ${ROLLKIN_MODULE_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(RELATIVE_PATH ROLLKIN_MODULE_FROM_PROGRAM ${CMAKE_INSTALL_PREFIX}/${ROLLKIN_INSTALL_GAMESDIR}
     ${CMAKE_INSTALL_PREFIX}/${ROLLKIN_MODULE_DIR})
set_property(SOURCE src/share/TransportModule.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             ROLLKIN_MODULE_FROM_PROGRAM="${ROLLKIN_MODULE_FROM_PROGRAM}"
             ROLLKIN_MODULE_DIR="${CMAKE_INSTALL_PREFIX}/${ROLLKIN_MODULE_DIR}"
             ROLLKIN_NETWORK_MODULE="$<TARGET_FILE_NAME:dicerollkin-network>")
set_property(SOURCE src/app/WindowModule.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             ROLLKIN_MODULE_FROM_PROGRAM="${ROLLKIN_MODULE_FROM_PROGRAM}"
             ROLLKIN_MODULE_DIR="${CMAKE_INSTALL_PREFIX}/${ROLLKIN_MODULE_DIR}"
             ROLLKIN_WINDOW_MODULE="$<TARGET_FILE_NAME:dicerollkin-window>")
# The desktop entry is named after QGuiApplication::desktopFileName, by which desktops match the
# running program to its entry, name and icon.
install(FILES packaging/dicerollkin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROLLKIN_DOC_DIR}/${ROLLKIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ROLLKIN_DOC_DIR}/dicerollkin.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ROLLKIN_DOC_DIR}/copyright ${ROLLKIN_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicerollkin)
install(FILES resources/icons/dicerollkin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ROLLKIN_ICON_SIZES})
    install(FILES resources/icons/dicerollkin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME dicerollkin.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dicerollkin)
set(CPACK_PACKAGE_VENDOR "The DiceRollkin developers")
set(CPACK_PACKAGE_CONTACT "The DiceRollkin developers <developers@dicerollkin.example.org>")
include(packaging/Documents.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
A narrow strip of ten dice buttons, from d2 to d100, that floats above
your other windows beside a virtual tabletop or a character sheet and
is worked with the mouse alone: click to throw, right click or drag to
choose how many dice.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# No Homepage field: the project has no web site yet.
# Depends from dpkg-shlibdeps. Qt's X11 platform plugin, loaded at run time, ships in libqt6gui6
# on Debian 12, which the window module links anyway; the package test checks that this holds.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for Arial; Liberation Sans is its metric twin, so captions fit as designed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
