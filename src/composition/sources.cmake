# Files of the composition subsystem.
list(APPEND CORE_SOURCES
)
list(APPEND GUI_SOURCES
)
