# Installation into a prefix (cmake --install).
include(GNUInstallDirs)

set(ROLLKIN_APP_ID org.example.dicerollkin)

# Every library the program needs lives in the system's directories. Without this the install
# RUNPATH from qt_standard_project_setup ($ORIGIN:$ORIGIN/../lib) would also pad the build
# tree's RUNPATH with empty entries, and the loader reads an empty entry as the working directory.
set_target_properties(dicerollkin PROPERTIES INSTALL_RPATH "")
install(TARGETS dicerollkin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry is named after QGuiApplication::desktopFileName, by which desktops match the
# running program to its entry, name and icon.
install(FILES packaging/dicerollkin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${ROLLKIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/dicerollkin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icons/dicerollkin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME dicerollkin.png)
endforeach()

