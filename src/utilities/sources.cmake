# Files of the utilities subsystem.
list(APPEND CORE_SOURCES
    src/utilities/EsportaImporta.cpp
    src/utilities/UnioneGiudizi.cpp
    src/utilities/TitoliQuadri.cpp
    src/utilities/FileFrasi.cpp
)
list(APPEND GUI_SOURCES
    src/utilities/FrameImpostazioniStampa.cpp
    src/utilities/FrameOrtografia.cpp
    src/utilities/NuovoAnno.cpp
    src/utilities/RicaricaMenu.cpp
    src/utilities/frmUtilita.cpp
    src/utilities/FrameEsportaImporta.cpp
    src/utilities/FrameUnione.cpp
    src/utilities/IconeUtilita.cpp
    src/utilities/ListaCartelle.cpp
    src/utilities/frmPersonalizza.cpp
    src/utilities/TestiClasse.cpp
    src/utilities/frmStampaClasse.cpp
    src/utilities/frmRipristina.cpp
    src/archive/CopiaPrima.cpp
    src/utilities/frmFrasi.cpp
)
