# lum_add_library(<target> EXPORT_MACRO <prefix> [SOURCES ...] [PUBLIC_HEADERS ...]
#                 [FOLDERS ...] [INCLUDE_DIRS ...])
#
# A shared library of this project: hidden symbols with an export header, in-tree include
# directories, an alias lum::<target>, and installation of the library and its public headers
# below include/lum/<target>/ so that find_package(lumdialogs) can use it.
# FOLDERS contribute every *.cpp as a source and every *.h as a public header, except private
# headers named *_p.h; each folder is an include directory too.
function(lum_add_library target)
    cmake_parse_arguments(ARG "" "EXPORT_MACRO" "SOURCES;PUBLIC_HEADERS;FOLDERS;INCLUDE_DIRS" ${ARGN})
    foreach(folder IN LISTS ARG_FOLDERS)
        file(GLOB folder_sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*_p.h)
        file(GLOB folder_headers CONFIGURE_DEPENDS ${folder}/*.h)
        list(FILTER folder_headers EXCLUDE REGEX "_p\\.h$")
        list(APPEND ARG_SOURCES ${folder_sources})
        list(APPEND ARG_PUBLIC_HEADERS ${folder_headers})
        list(APPEND ARG_INCLUDE_DIRS ${folder})
    endforeach()
    add_library(${target} SHARED ${ARG_SOURCES} ${ARG_PUBLIC_HEADERS})
    add_library(lum::${target} ALIAS ${target})
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
        EXPORT_NAME ${target})
    string(TOUPPER ${ARG_EXPORT_MACRO} macro)
    target_compile_definitions(${target} PRIVATE ${macro}_BUILDING)
    foreach(dir IN LISTS ARG_INCLUDE_DIRS)
        target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
    endforeach()
    target_include_directories(${target} PUBLIC
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/lum/${target}>)
    install(TARGETS ${target} EXPORT lumdialogsTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${ARG_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lum/${target})
endfunction()
