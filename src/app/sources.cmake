# Files of the app subsystem: the program's shared state and settings files.
list(APPEND CORE_SOURCES
    src/app/CarQuad.cpp
    src/app/Impostazioni.cpp
    src/app/ImpostazioniQuaderlo.cpp
)
