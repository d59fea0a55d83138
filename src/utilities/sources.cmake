# Files of the utilities subsystem.
list(APPEND CORE_SOURCES
    src/utilities/ConfigStampa.cpp
    src/utilities/SvuotaArchivio.cpp
    src/utilities/TitoliQuadri.cpp
)
list(APPEND GUI_SOURCES
    src/utilities/NuovoAnno.cpp
    src/utilities/RicaricaMenu.cpp
    src/utilities/frmPersonalizza.cpp
)
