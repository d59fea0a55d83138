# Installation and packaging rules: the guide built from help/, the installed layout and the Debian package.
include(GNUInstallDirs)
# On Windows the data files sit beside the executable, so that the ZIP is also a portable copy.
if(WIN32)
    set(QUADERLO_DATA_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(QUADERLO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quaderlo)
endif()

# The guide: the HTML pages of help/ copied to build/Guida (the program's own help window reads them)
# and compiled into build/Aiuto.chm beside the executable when chmcmd is available.
file(GLOB QUADERLO_HELP_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/help/*.html ${CMAKE_SOURCE_DIR}/help/*.css ${CMAKE_SOURCE_DIR}/help/*.hh?
     ${CMAKE_SOURCE_DIR}/help/img/*.png)
set(QUADERLO_GUIDA ${CMAKE_BINARY_DIR}/Guida)
set(QUADERLO_GUIDA_STAMP ${CMAKE_BINARY_DIR}/CMakeFiles/guida.copiata)
add_custom_command(OUTPUT ${QUADERLO_GUIDA_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUADERLO_GUIDA}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${QUADERLO_GUIDA}
    COMMAND ${CMAKE_COMMAND} -E touch ${QUADERLO_GUIDA_STAMP}
    DEPENDS ${QUADERLO_HELP_SOURCES}
    COMMENT "Copying the guide's pages to Guida")
set(QUADERLO_GUIDA_OUTPUTS ${QUADERLO_GUIDA_STAMP})

find_program(CHMCMD_EXECUTABLE chmcmd)
if(CHMCMD_EXECUTABLE)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Aiuto.chm
        COMMAND ${CHMCMD_EXECUTABLE} --verbosity 1 Aiuto.hhp
        COMMAND ${CMAKE_COMMAND} -E rename ${QUADERLO_GUIDA}/Aiuto.chm ${CMAKE_BINARY_DIR}/Aiuto.chm
        WORKING_DIRECTORY ${QUADERLO_GUIDA}
        DEPENDS ${QUADERLO_GUIDA_STAMP}
        COMMENT "Compiling the guide Aiuto.chm")
    list(APPEND QUADERLO_GUIDA_OUTPUTS ${CMAKE_BINARY_DIR}/Aiuto.chm)
else()
    message(WARNING "chmcmd not found (Debian package fp-utils): Aiuto.chm is not built; "
                    "the program shows the guide in its own window.")
endif()
add_custom_target(quaderlo_guida ALL DEPENDS ${QUADERLO_GUIDA_OUTPUTS})

# Installed layout: the executable in bin, the data files and the guide in share/quaderlo,
# from where the first start fills the user's own program folder.
install(TARGETS quaderlo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DATA_FILES} DESTINATION ${QUADERLO_DATA_DIR})
install(FILES ${CMAKE_BINARY_DIR}/Aiuto.chm DESTINATION ${QUADERLO_DATA_DIR} OPTIONAL)
install(DIRECTORY ${QUADERLO_GUIDA}/ DESTINATION ${QUADERLO_DATA_DIR}/Guida
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png")
if(UNIX AND NOT APPLE)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/quaderlo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 32 48 128 256)
        install(FILES ${CMAKE_SOURCE_DIR}/resources/icone/quaderlo-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quaderlo.png)
    endforeach()
    install(FILES ${CMAKE_SOURCE_DIR}/resources/quaderlo.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icone/quaderlo.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quaderlo OPTIONAL)

# Packages: cpack -G DEB on Debian and Ubuntu, a ZIP elsewhere.
set(CPACK_PACKAGE_NAME quaderlo)
set(CPACK_PACKAGE_VENDOR "Quaderlo")
set(CPACK_PACKAGE_CONTACT "Manutentori di Quaderlo <quaderlo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "giudizi degli alunni composti da frasi pronte, corretti e stampati")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quaderlo tiene l'archivio delle classi e degli alunni dell'insegnante e lo aiuta\n"
    "a scrivere, per ogni alunno, un giudizio in quattro quadri composto da frasi\n"
    "pronte, da correggere, vedere in anteprima e stampare.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quaderlo)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer | okular")
# The spell check works without it, underlining nothing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-it")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)

# Pictures of the windows for the guide and the README (help/img): QT_QPA_PLATFORM=offscreen build/tools/schermate help/img
add_executable(schermate tools/schermate.cpp)
target_link_libraries(schermate PRIVATE quaderlo_gui)
add_dependencies(schermate quaderlo_guida) # the help window's picture shows build/Guida
target_compile_definitions(schermate PRIVATE QUADERLO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QUADERLO_BUILD_DIR="${CMAKE_BINARY_DIR}")
set_target_properties(schermate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
