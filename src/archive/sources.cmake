# Files of the archive subsystem.
list(APPEND CORE_SOURCES
    src/archive/Archivio.cpp
    src/archive/ConfrontoNomi.cpp
    src/archive/ElencoAlunni.cpp
    src/archive/ElencoClassi.cpp
    src/archive/NuovaClasse.cpp
    src/archive/CopiaArchivio.cpp
    src/archive/CopieSicurezza.cpp
    src/archive/SvuotaArchivio.cpp
    src/archive/ImportaAlunni.cpp
)
list(APPEND GUI_SOURCES
    src/archive/ComboAperto.cpp
    src/archive/CopiaPrima.cpp
    src/archive/frmModifica.cpp
    src/archive/frmImportaAlunni.cpp
)
