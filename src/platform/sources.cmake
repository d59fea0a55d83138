# Files of the platform layer.
list(APPEND CORE_SOURCES
    src/platform/Ansi.cpp
    src/platform/CartelleSicure.cpp
    src/platform/CartellaProgramma.cpp
    src/platform/Conv.cpp
    src/platform/DomandaFile.cpp
    src/platform/Drives.cpp
    src/platform/Editor.cpp
    src/platform/Ortografia.cpp
    src/platform/Paths.cpp
    src/platform/TextFile.cpp
)
list(APPEND GUI_SOURCES
    src/platform/EventiFuoco.cpp
    src/platform/Form.cpp
    src/platform/Help.cpp
    src/platform/IconaUscita.cpp
    src/platform/MappaControlli.cpp
    src/platform/Msg.cpp
    src/platform/SottolineaturaOrtografica.cpp
    src/platform/Ui.cpp
)
