# nlohmann-json, CLI11 and Boost's headers for a cross-build. Their folders are linked into
# the build tree so that the cross-compiler sees them and nothing else of /usr/include, whose
# C library headers are the build machine's.
set(ORTAQ_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${ORTAQ_HOST_HEADERS})
foreach(folder nlohmann CLI boost)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/setup")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${ORTAQ_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()

foreach(target nlohmann_json::nlohmann_json CLI11::CLI11 Boost::headers)
    add_library(${target} INTERFACE IMPORTED)
    target_include_directories(${target} SYSTEM INTERFACE ${ORTAQ_HOST_HEADERS})
endforeach()
