# Files of the start-up and the main menu, above every other subsystem.
list(APPEND GUI_SOURCES
    src/menu/Avvio.cpp
    src/menu/CopiaDelGiorno.cpp
    src/menu/frmLogin.cpp
    src/menu/frmSplash.cpp
)
