cmake_minimum_required(VERSION 3.25)
# Copies each file of SRC into DEST unless DEST already holds a file of that name,
# compared without regard to case as the program compares file names.
file(GLOB sorgenti ${SRC}/*)
file(GLOB presenti RELATIVE ${DEST} ${DEST}/*)
string(TOLOWER "${presenti}" presenti)
foreach(f IN LISTS sorgenti)
    get_filename_component(nome ${f} NAME)
    string(TOLOWER "${nome}" minuscolo)
    if(NOT minuscolo IN_LIST presenti)
        file(COPY ${f} DESTINATION ${DEST})
    endif()
endforeach()
