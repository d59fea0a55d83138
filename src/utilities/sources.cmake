# Files of the utilities subsystem.
list(APPEND CORE_SOURCES
    src/utilities/ConfigStampa.cpp
)
list(APPEND GUI_SOURCES
)
