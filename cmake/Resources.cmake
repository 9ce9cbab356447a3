# The plug-in's resources: one script compiled by windres into the standard .res format.
# The Windows DLL links the .res; the Linux library carries the same bytes in a section.
# A cross-build uses its toolchain's windres: the COFF object it writes is for that machine.
find_program(ORTAQ_WINDRES NAMES ${CMAKE_RC_COMPILER} i686-w64-mingw32-windres
             x86_64-w64-mingw32-windres windres REQUIRED)

set(ORTAQ_RES_FILE ${CMAKE_BINARY_DIR}/resources/ortaq.res)
file(GLOB ORTAQ_RESOURCE_INPUTS LIST_DIRECTORIES false CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/resources/*
     ${CMAKE_SOURCE_DIR}/resources/images/*)

add_custom_command(
    OUTPUT ${ORTAQ_RES_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
    COMMAND ${ORTAQ_WINDRES} --codepage=65001 -I ${CMAKE_SOURCE_DIR}/resources
            -J rc -O res -i ${CMAKE_SOURCE_DIR}/resources/ortaq.rc -o ${ORTAQ_RES_FILE}
    DEPENDS ${ORTAQ_RESOURCE_INPUTS}
    COMMENT "Compiling the plug-in's resources"
    VERBATIM)
add_custom_target(ortaq_resources DEPENDS ${ORTAQ_RES_FILE})
