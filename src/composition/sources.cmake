# Files of the composition subsystem.
list(APPEND CORE_SOURCES
    src/composition/AssemblaTesto.cpp
    src/composition/Conferme.cpp
    src/composition/FileGiudizio.cpp
    src/composition/Giudizio.cpp
    src/composition/ListaFrasi.cpp
    src/composition/ParoleNote.cpp
    src/composition/Selezione.cpp
    src/composition/TestoQuadro.cpp
    src/composition/UsoFrasi.cpp
)
list(APPEND GUI_SOURCES
    src/composition/CasellaTesto.cpp
    src/composition/ComboTendina.cpp
    src/composition/EtichettaRighe.cpp
    src/composition/ListaSpunte.cpp
    src/composition/VistaModifica.cpp
    src/composition/VistaScelta.cpp
    src/composition/frmCompila.cpp
)
