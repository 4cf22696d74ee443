# lum_add_library(<target> EXPORT_MACRO <prefix> SOURCES ... PUBLIC_HEADERS ... INCLUDE_DIRS ...)
#
# A shared library of this project: hidden symbols with an export header, in-tree include
# directories, an alias lum::<target>, and installation of the library and its public headers
# below include/lum/<target>/ so that find_package(lumdialogs) can use it.
function(lum_add_library target)
    cmake_parse_arguments(ARG "" "EXPORT_MACRO" "SOURCES;PUBLIC_HEADERS;INCLUDE_DIRS" ${ARGN})
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
