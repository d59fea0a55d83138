# Files of the archive subsystem.
list(APPEND CORE_SOURCES
)
list(APPEND GUI_SOURCES
)
