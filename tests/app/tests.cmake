quaderlo_test(tst_avvio app/tst_Avvio.cpp)
# The installed layout and the Debian package are those of Linux desktops.
if(UNIX AND NOT APPLE)
    quaderlo_test(tst_installazione app/tst_Installazione.cpp)
    target_compile_definitions(tst_installazione PRIVATE QUADERLO_BUILD_DIR="${CMAKE_BINARY_DIR}"
        QUADERLO_SOURCE_DIR="${CMAKE_SOURCE_DIR}" CMAKE_COMMAND="${CMAKE_COMMAND}" CPACK_COMMAND="${CMAKE_CPACK_COMMAND}")
    add_dependencies(tst_installazione quaderlo quaderlo_guida quaderlo_data)
endif()
quaderlo_test(tst_archivioprotetto app/tst_ArchivioProtetto.cpp)
