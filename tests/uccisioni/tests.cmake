# The write paths killed at every file operation: each file is found old or new, never partial.
if(UNIX AND NOT APPLE)
    add_library(quaderlo_uccidi SHARED uccisioni/uccidi.cpp)
    target_link_libraries(quaderlo_uccidi PRIVATE ${CMAKE_DL_LIBS})
    add_executable(quaderlo_lavoro uccisioni/lavoro.cpp)
    target_link_libraries(quaderlo_lavoro PRIVATE quaderlo_core)
    quaderlo_test(tst_uccisioni uccisioni/tst_Uccisioni.cpp)
    target_compile_definitions(tst_uccisioni PRIVATE QUADERLO_UCCIDI="$<TARGET_FILE:quaderlo_uccidi>"
                               QUADERLO_LAVORO="$<TARGET_FILE:quaderlo_lavoro>")
    add_dependencies(tst_uccisioni quaderlo_uccidi quaderlo_lavoro)
endif()
