# Files of the app subsystem.
list(APPEND CORE_SOURCES
    src/app/CarQuad.cpp
    src/app/CopiaArchivio.cpp
    src/app/Impostazioni.cpp
)
list(APPEND GUI_SOURCES
    src/app/Avvio.cpp
    src/app/frmLogin.cpp
    src/app/frmSplash.cpp
)
