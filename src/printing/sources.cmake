# Files of the printing subsystem.
list(APPEND CORE_SOURCES
)
list(APPEND GUI_SOURCES
)
