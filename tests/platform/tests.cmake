quaderlo_test(tst_textfile platform/tst_TextFile.cpp)
quaderlo_test(tst_cartellaprogramma platform/tst_CartellaProgramma.cpp)
quaderlo_test(tst_guida platform/tst_Guida.cpp)
find_program(CHMCMD_EXECUTABLE chmcmd)
target_compile_definitions(tst_guida PRIVATE QUADERLO_BUILD_DIR="${CMAKE_BINARY_DIR}"
    $<$<BOOL:${CHMCMD_EXECUTABLE}>:QUADERLO_CHM_COMPILATO>)
add_dependencies(tst_guida quaderlo_guida)
quaderlo_test(tst_discopieno platform/tst_DiscoPieno.cpp)
quaderlo_test(tst_finestre platform/tst_Finestre.cpp)
