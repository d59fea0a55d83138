# Files of the printing subsystem.
list(APPEND CORE_SOURCES
    src/printing/Blocchetto.cpp
    src/printing/ConfigStampa.cpp
    src/printing/ControlloValori.cpp
    src/printing/FileFormati.cpp
    src/printing/Geometria.cpp
    src/printing/LavoroStampa.cpp
    src/printing/SceltaLavoro.cpp
    src/printing/SpezzaStringa.cpp
    src/printing/Superficie.cpp
)
list(APPEND GUI_SOURCES
    src/printing/ElencoCaratteri.cpp
    src/printing/Impaginazione.cpp
    src/printing/Lunghezza.cpp
    src/printing/SalvaPdf.cpp
    src/printing/Stampa.cpp
    src/printing/StampaClasse.cpp
    src/printing/StampaQuadro.cpp
    src/printing/SuperficieStampante.cpp
    src/printing/frmAnteprima.cpp
    src/printing/frmFormati.cpp
)
